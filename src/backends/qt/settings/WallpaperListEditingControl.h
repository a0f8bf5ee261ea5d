#pragma once

#include "settings/WallpaperListEditorModel.h"

#include <QStringList>
#include <QWidget>

class IWallpaperListModel;
class QListWidget;
class QModelIndex;
class QRadioButton;

// The list of background pictures: add through the file chooser, remove, drag to reorder, and
// the order in which the saver shows them.
class WallpaperListEditingControl : public QWidget {
    Q_OBJECT

public:
    WallpaperListEditingControl(QWidget* parent, IWallpaperListModel& model);

    bool validate() const { return model_.validate(); }
    void apply();

    // Appends the supported pictures among these files and says which of the others are not.
    void addFiles(const QStringList& paths);
    // The full paths in list order.
    QStringList paths() const;
    // Moves an entry as a drop of it on the entry at `to` does.
    void moveEntry(int from, int to);

private:
    void chooseFiles();
    void removeSelected();
    void appendItem(const WallpaperEntry& entry);
    // Qt's own drag has moved a row of the list.
    void followMovedRow(const QModelIndex& parent, int start, int end, const QModelIndex&,
                        int destination);

    WallpaperListEditorModel model_;
    QListWidget* list_;
    QRadioButton* fixedOrder_;
    QRadioButton* randomOrder_;
};
