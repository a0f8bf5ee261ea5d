#include "backends/user32/settings/WallpaperListEditingControl.h"

#include "backends/user32/settings/ChosenFiles.h"
#include "backends/user32/settings/PropertyPage.h"
#include "backends/win32/WideText.h"
#include "resources/Strings.h"

#include <commdlg.h>

namespace User32 {

namespace {

UINT dragListMessage() {
    static const UINT message = RegisterWindowMessageW(DRAGLISTMSGSTRING);
    return message;
}

// The description and the pattern, each ending in a null character, and one more at the end.
std::wstring fileFilter() {
    const std::string description =
        Resources::loadString(WallpaperListEditorModel::filterDescription) +
        " (*.bmp;*.jpg;*.jpeg)";
    std::wstring filter = Win32::wide(description);
    filter += L'\0';
    filter += L"*.BMP;*.JPG;*.JPEG";
    filter += L'\0';
    return filter;
}

} // namespace

WallpaperListEditingControl::WallpaperListEditingControl(HWND page, int placeholderId,
                                                         IWallpaperListModel& model)
    : model_(model) {
    create(templateName, "WallpaperListEditingControl", page, placeholderId);
}

void WallpaperListEditingControl::onInit() {
    MakeDragList(list());
    fillList(-1);
    check(model_.fixedOrderInitially() ? WallpaperListEditorModel::fixedOrderId
                                       : WallpaperListEditorModel::randomOrderId);
}

// The list shows the model's entries in the model's order, so an index means the same entry
// in both.
void WallpaperListEditingControl::fillList(int selected) const {
    const LRESULT top = SendMessageW(list(), LB_GETTOPINDEX, 0, 0);
    SendMessageW(list(), LB_RESETCONTENT, 0, 0);
    for (const WallpaperEntry& entry : model_.entries()) {
        SendMessageW(list(), LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(Win32::wide(entry.text).c_str()));
    }
    SendMessageW(list(), LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    SendMessageW(list(), LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void WallpaperListEditingControl::onCommand(int controlId, int notification) {
    if (notification != BN_CLICKED) {
        return;
    }
    if (controlId == WallpaperListEditorModel::addId) {
        chooseFiles();
    } else if (controlId == WallpaperListEditorModel::removeId) {
        removeSelected();
    }
}

bool WallpaperListEditingControl::onMessage(UINT message, WPARAM /*wParam*/, LPARAM lParam,
                                            LRESULT& result) {
    if (message != dragListMessage()) {
        return false;
    }
    result = onDrag(*reinterpret_cast<const DRAGLISTINFO*>(lParam));
    return true;
}

LRESULT WallpaperListEditingControl::onDrag(const DRAGLISTINFO& drag) {
    switch (drag.uNotification) {
    case DL_BEGINDRAG:
        // The list box names a first item of an empty list too, which has nothing to drag.
        dragged_ = model_.entries().empty() ? -1 : LBItemFromPt(drag.hWnd, drag.ptCursor, FALSE);
        return dragged_ >= 0 ? TRUE : FALSE;
    case DL_DRAGGING: {
        // Scrolls the list when the pointer is held above or below it.
        const int target = LBItemFromPt(drag.hWnd, drag.ptCursor, TRUE);
        DrawInsert(window(), drag.hWnd, target);
        return target >= 0 ? DL_MOVECURSOR : DL_STOPCURSOR;
    }
    case DL_DROPPED:
        DrawInsert(window(), drag.hWnd, -1);
        drop(LBItemFromPt(drag.hWnd, drag.ptCursor, FALSE));
        return 0;
    case DL_CANCELDRAG:
        DrawInsert(window(), drag.hWnd, -1);
        dragged_ = -1;
        return 0;
    default:
        return 0;
    }
}

void WallpaperListEditingControl::drop(int target) {
    const int dragged = dragged_;
    dragged_ = -1;
    if (model_.drop(dragged, target)) {
        fillList(target < dragged ? target : target - 1);
    }
}

void WallpaperListEditingControl::chooseFiles() {
    std::wstring buffer(fileBufferLength, L'\0');
    const std::wstring filter = fileFilter();
    OPENFILENAMEW choice{};
    choice.lStructSize = sizeof(choice);
    choice.hwndOwner = window();
    choice.lpstrFilter = filter.c_str();
    choice.lpstrFile = buffer.data();
    choice.nMaxFile = fileBufferLength;
    choice.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    if (GetOpenFileNameW(&choice)) {
        addFiles(chosenFiles(buffer.c_str()));
    }
}

// One at a time, so that each refusal is said before the next file is looked at.
void WallpaperListEditingControl::addFiles(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        const std::vector<ValidationFailure> refused = model_.add({path});
        if (!refused.empty()) {
            showValidationFailure(window(), refused.front());
            continue;
        }
        SendMessageW(list(), LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(Win32::wide(model_.entries().back().text).c_str()));
    }
}

void WallpaperListEditingControl::removeSelected() {
    const auto selected = static_cast<int>(SendMessageW(list(), LB_GETCURSEL, 0, 0));
    if (model_.remove(selected)) {
        SendMessageW(list(), LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
    }
}

void WallpaperListEditingControl::apply() const {
    model_.apply(isChecked(WallpaperListEditorModel::fixedOrderId));
}

} // namespace User32
