#include "backends/user32/settings/LightningDetailDialogs.h"

#include "backends/user32/settings/BrightnessSelectionControl.h"
#include "backends/user32/settings/ColorPickerControl.h"
#include "backends/user32/settings/ContextHelp.h"
#include "backends/user32/settings/Translation.h"
#include "settings/BoltColourDialogModel.h"
#include "settings/FlashDialogModel.h"

#include <exception>
#include <functional>

namespace User32::LightningDetailDialogs {

namespace {

constexpr int boltsTemplate = 148;
constexpr int flashesTemplate = 147;

// One modal dialog: opened calls set-up with the dialog, commands are handed on, and OK calls
// accepted before the dialog ends. An error ends the dialog and is thrown again after it.
struct ModalDialog {
    const char* helpPart;
    std::function<void(HWND)> opened;
    std::function<void(HWND, int)> command;
    std::function<void(HWND)> accepted;
    std::exception_ptr error;

    INT_PTR handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
        case WM_INITDIALOG:
            ContextHelp::belongsTo(dialog, helpPart);
            opened(dialog);
            Translation::translateDialog(dialog);
            return TRUE;
        case WM_HELP:
            return ContextHelp::show(*reinterpret_cast<const HELPINFO*>(lParam)) ? TRUE : FALSE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                accepted(dialog);
                EndDialog(dialog, IDOK);
            } else if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
            } else if (HIWORD(wParam) == BN_CLICKED) {
                command(dialog, LOWORD(wParam));
            }
            return TRUE;
        default:
            return FALSE;
        }
    }

    static INT_PTR CALLBACK procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        }
        auto* self = reinterpret_cast<ModalDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
        if (self == nullptr) {
            return FALSE;
        }
        try {
            return self->handle(dialog, message, wParam, lParam);
        } catch (...) {
            self->error = std::current_exception();
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
    }

    void run(HWND owner, int templateId) {
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), owner, procedure,
                        reinterpret_cast<LPARAM>(this));
        if (error) {
            std::rethrow_exception(error);
        }
    }
};

bool isChecked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

} // namespace

void editBolts(HWND owner, ILightningOptionsStorage& options) {
    const BoltColourDialogModel model(options);
    ColorPickerControl* sample = nullptr;
    const auto state = [&](HWND dialog) {
        return BoltColourState{sample->colour(),
                               isChecked(dialog, BoltColourDialogModel::randomColourId)};
    };
    const auto updateChoice = [&](HWND dialog) {
        const bool enabled = BoltColourDialogModel::colourChoiceEnabled(state(dialog));
        EnableWindow(GetDlgItem(dialog, BoltColourDialogModel::changeColourId), enabled);
        EnableWindow(GetDlgItem(dialog, BoltColourDialogModel::sampleId), enabled);
    };
    ModalDialog dialog{
        "LightningBoltsOptionsDialog",
        [&](HWND window) {
            const BoltColourState initial = model.initialState();
            sample = &ColorPickerControl::createOver(window, BoltColourDialogModel::sampleId);
            sample->setColour(initial.colour);
            CheckRadioButton(window, BoltColourDialogModel::chosenColourId,
                             BoltColourDialogModel::randomColourId,
                             initial.randomColour ? BoltColourDialogModel::randomColourId
                                                  : BoltColourDialogModel::chosenColourId);
            updateChoice(window);
        },
        [&](HWND window, int id) {
            if (id == BoltColourDialogModel::changeColourId) {
                sample->chooseColour();
            }
            updateChoice(window);
        },
        [&](HWND window) { model.accept(state(window)); },
        {}};
    dialog.run(owner, boltsTemplate);
}

void editFlashes(HWND owner, ILightningOptionsStorage& options) {
    const FlashDialogModel model(options);
    ColorPickerControl* sample = nullptr;
    BrightnessSelectionControl* threshold = nullptr;
    ModalDialog dialog{"LightningFlashesOptionsDialog",
                       [&](HWND window) {
                           const FlashState initial = model.initialState();
                           sample =
                               &ColorPickerControl::createOver(window, FlashDialogModel::sampleId);
                           sample->setColour(initial.colour);
                           threshold = &BrightnessSelectionControl::createOver(
                               window, FlashDialogModel::thresholdId);
                           threshold->setValue(initial.threshold);
                       },
                       [&](HWND, int id) {
                           if (id == FlashDialogModel::changeColourId) {
                               sample->chooseColour();
                           }
                       },
                       [&](HWND) {
                           model.accept({sample->colour(), threshold->value()});
                       },
                       {}};
    dialog.run(owner, flashesTemplate);
}

} // namespace User32::LightningDetailDialogs
