#pragma once

#include "backends/user32/settings/EmbeddedDialog.h"
#include "settings/WallpaperListEditorModel.h"

#include <commctrl.h>
#include <string>
#include <vector>

class IWallpaperListModel;

namespace User32 {

// The background pictures: a list whose entries are dragged into another order, buttons to add
// pictures through the system's file chooser and to remove the selected one, and whether the
// saver shows them in the list's order or at random. Nothing reaches the options before apply().
class WallpaperListEditingControl : public EmbeddedDialog {
public:
    static constexpr const wchar_t* templateName =
        L"IDD_820E362E1B224BA5BCF79253BBF26916_WALLPAPER_LIST_EDITOR";
    static constexpr int fileBufferLength = 26000;

    WallpaperListEditingControl(HWND page, int placeholderId, IWallpaperListModel& model);

    bool validate() const { return model_.validate(); }
    void apply() const;

protected:
    void onInit() override;
    void onCommand(int controlId, int notification) override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    HWND list() const { return item(WallpaperListEditorModel::listId); }
    void fillList(int selected) const;
    LRESULT onDrag(const DRAGLISTINFO& drag);
    void drop(int target);
    void chooseFiles();
    void addFiles(const std::vector<std::string>& paths);
    void removeSelected();

    WallpaperListEditorModel model_;
    int dragged_ = -1;
};

} // namespace User32
