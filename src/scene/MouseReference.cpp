#include "scene/MouseReference.h"

namespace Scene {

MouseReference& MouseReference::processWide() {
    static MouseReference reference;
    return reference;
}

} // namespace Scene
