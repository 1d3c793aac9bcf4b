// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QListWidget>
#include <QPersistentModelIndex>

namespace bellmora {

// A list box that, on taking the focus, tells a screen reader its chosen line, as a move
// does; with none chosen, the first Down arrow chooses the first line.
class ListBox : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void focusInEvent(QFocusEvent* event) override;
};

// A list of the file names of the working folder that match a pattern. Picking a name,
// by a left click (also on the name already selected) or by moving the selection with the
// keyboard, raises chosen() once per user action, telling which of the two it was. Enter
// raises entered(). Once a name is selected, the selection can move but never vanish.
class FileListBox final : public ListBox {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);

    // Lists the plain, not hidden files whose names match the pattern ("*.txt": "*" and an
    // ending) without regard to case, sorted by name; nothing is selected afterwards.
    void fill(const QString& pattern);

    // The selected name; empty when nothing is selected.
    QString selectedName() const;
    // Selects the name, when listed, and brings it into view; raises no chosen().
    void selectName(const QString& name);

    // While locked, the mouse and the keyboard leave the selection where it is, and a
    // click does not take the focus.
    void setLocked(bool locked);
    bool isLocked() const { return locked_; }

    void keyboardSearch(const QString& search) override;

signals:
    void chosen(bool byKeyboard);
    void entered();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    void onSelectionChanged();

    QPersistentModelIndex pressedIndex_;
    bool selectionChangedSincePress_ = false;
    bool locked_ = false;
    bool inKeyPress_ = false;
    bool selecting_ = false;
};

}  // namespace bellmora
