#pragma once

#include <QListWidget>
#include <QPersistentModelIndex>

namespace bellmora {

// A list of the file names of the working folder that match a pattern. Picking a name,
// by a click (also on the name already selected) or by moving the selection with the
// keyboard, raises chosen() once per user action.
class FileListBox final : public QListWidget {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);

    // Lists the plain, not hidden files whose names match the pattern without regard to
    // case, sorted by name; nothing is selected afterwards.
    void fill(const QString& pattern);

    // The selected name; empty when nothing is selected.
    QString selectedName() const;

signals:
    void chosen();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void onSelectionChanged();

    QPersistentModelIndex pressedIndex_;
    bool selectionChangedSincePress_ = false;
};

}  // namespace bellmora
