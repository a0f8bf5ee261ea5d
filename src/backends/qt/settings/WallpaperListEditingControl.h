#pragma once

#include <QStringList>
#include <QWidget>

class IWallpaperListModel;
class QListWidget;
class QRadioButton;

// The list of background pictures: add through the file chooser, remove, drag to reorder, and
// the order in which the saver shows them.
class WallpaperListEditingControl : public QWidget {
    Q_OBJECT

public:
    WallpaperListEditingControl(QWidget* parent, IWallpaperListModel& model);

    bool validate() { return true; }
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
    void appendEntry(const QString& path);

    IWallpaperListModel& model_;
    QListWidget* list_;
    QRadioButton* fixedOrder_;
    QRadioButton* randomOrder_;
};
