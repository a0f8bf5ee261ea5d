#include "saver/MouseReference.h"

MouseReference& MouseReference::processWide() {
    static MouseReference reference;
    return reference;
}
