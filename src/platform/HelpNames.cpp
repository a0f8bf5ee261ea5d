#include "platform/HelpNames.h"

HelpNames& processHelpNames() {
    static HelpNames names;
    return names;
}
