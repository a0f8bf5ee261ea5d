#include "app/DialogFunctions.h"

// A dialogs' library left over from another build: its table is of another version.
namespace {

constexpr DialogFunctions functions{DialogFunctions::currentVersion + 1, nullptr, nullptr, nullptr,
                                    nullptr};

} // namespace

extern "C" const DialogFunctions* pluvo_dialog_functions() {
    return &functions;
}
