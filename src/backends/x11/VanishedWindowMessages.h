#pragma once

namespace X11 {

// The graphics layer wakes its event wait by sending a message to the saver's window over a
// second connection. When the key that ends the saver arrives during that wait, the window may
// be destroyed before the server handles the message, and Xlib's default handler would end the
// process with status 1 instead of the saver's own. Such a message is harmless and is dropped;
// every other error goes to the handler that was in place before. Install it before the
// graphics layer opens the display, so that the layer's own handler passes errors on to it.
void tolerateMessagesToVanishedWindows();

} // namespace X11
