#pragma once

#include <string>

// Where the settings dialogs find their help: the help file's name, the prefix of the dialogs'
// pop-up texts in it, and the folder of the shared library's controls. Start-up fills them in.
struct HelpNames {
    std::string helpFile;
    std::string contextHelpPrefix;
    std::string topicPrefix;
};

// The process's help names; empty until start-up has set them.
HelpNames& processHelpNames();
