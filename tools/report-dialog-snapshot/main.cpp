// Renders the detailed error report of a real processor fault without a display and writes it
// as a PNG picture, for the documentation.
//
// Usage: report-dialog-snapshot OUTPUT.png
#include "backends/qt/errors/VerboseErrorDialog.h"
#include "errors/DetailedReport.h"
#include "errors/FaultTranslator.h"
#include "errors/StructuredException.h"

#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// A read through a pointer into a page that cannot be touched, as a damaged picture would give.
[[gnu::noinline]] int readPastThePicture(const volatile int* pixel) {
    return *pixel + 1;
}

std::optional<StructuredException> faultOnce() {
    const auto size = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    void* page = mmap(nullptr, size, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    const FaultTranslator translator;
    std::optional<StructuredException> fault;
    try {
        readPastThePicture(static_cast<const volatile int*>(page) + 16);
    } catch (const StructuredException& error) {
        fault = error;
    }
    munmap(page, size);
    return fault;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const std::optional<StructuredException> fault = faultOnce();
    if (!fault) {
        std::fprintf(stderr, "report-dialog-snapshot: the fault was not caught\n");
        return 1;
    }
    QApplication application(argc, argv);
    const std::string title = "Pluvo Screen Saver 2.2.17";
    const std::string report = detailedReportText(*fault, "PR: " + title + "\r\nDX: 2.26");
    VerboseErrorDialog dialog(QString::fromStdString(title), fault->what(),
                              QString::fromStdString(report));
    dialog.adjustSize();
    if (!dialog.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "report-dialog-snapshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
