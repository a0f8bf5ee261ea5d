#pragma once

#include <cstddef>
#include <vector>

// Keeps the listeners of a subject in subscription order. Listeners are not owned and cannot
// unsubscribe: their owner destroys them only once the subject will not notify again.
template <typename Listener, typename Subject> class ListenerSubject {
public:
    void subscribe(Listener& listener) { listeners_.push_back(&listener); }

protected:
    ListenerSubject() = default;
    ~ListenerSubject() = default;

    // Calls event on every listener, in subscription order.
    void notifyListeners(void (Listener::*event)(Subject&), Subject& subject) {
        // Indexing keeps the walk valid if a listener subscribes another one from its handler.
        for (std::size_t i = 0; i < listeners_.size(); ++i) {
            (listeners_[i]->*event)(subject);
        }
    }

private:
    std::vector<Listener*> listeners_;
};
