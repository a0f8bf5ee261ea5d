#include "errors/DetailedReport.h"

#include "errors/HexText.h"
#include "errors/ModuleLocation.h"
#include "errors/OsVersion.h"

std::string detailedReportText(const VerboseError& error, const std::string& systemInformation) {
    std::string text = systemInformation + "\r\n\r\n";
    text += std::string(error.what()) + "\r\n\r\n";
    text += "OS: " + osVersionText() + " " + memoryText(error.memoryStatus()) + "\r\n";
    text += "MB: " + hexWord(programModuleBase()) + "\r\n";
    text += "\r\n";
    text += error.details() + "\r\n";
    return text;
}
