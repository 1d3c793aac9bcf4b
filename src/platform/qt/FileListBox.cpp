// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileListBox.h"

#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

namespace bellmora {

FileListBox::FileListBox(QWidget* parent) : ListBox(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FileListBox::onSelectionChanged);
}

void FileListBox::fill(const QString& pattern) {
    clear();
    // The pattern is "*" and an ending, which matches in any case, as on Windows. It is
    // matched here: QDir's name filters would compile a regular expression, and load the
    // library for it, at every start. Without QDir::Hidden and QDir::System, dot files and
    // broken links stay out.
    const QStringView ending = QStringView(pattern).sliced(1);
    QStringList names = QDir::current().entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    names.removeIf(
        [&](const QString& name) { return !name.endsWith(ending, Qt::CaseInsensitive); });
    addItems(names);
    selectionModel()->clear();
}

QString FileListBox::selectedName() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void FileListBox::selectName(const QString& name) {
    const QList<QListWidgetItem*> found = findItems(name, Qt::MatchExactly);
    if (found.isEmpty()) return;
    selecting_ = true;
    setCurrentItem(found.first());
    selecting_ = false;
    scrollToItem(found.first());
}

void FileListBox::setLocked(bool locked) {
    locked_ = locked;
    setFocusPolicy(locked ? Qt::NoFocus : Qt::StrongFocus);
}

QItemSelectionModel::SelectionFlags FileListBox::selectionCommand(const QModelIndex& index,
                                                                  const QEvent* event) const {
    if (locked_) return QItemSelectionModel::NoUpdate;
    const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
    // Ctrl+click or Ctrl+Space on the selected name would leave none selected.
    if (command.testAnyFlags(QItemSelectionModel::Deselect | QItemSelectionModel::Toggle) &&
        selectionModel()->isSelected(index))
        return QItemSelectionModel::NoUpdate;
    return command;
}

void FileListBox::keyboardSearch(const QString& search) {
    if (!locked_) QListWidget::keyboardSearch(search);
}

void FileListBox::keyPressEvent(QKeyEvent* event) {
    // Locked, the current name stays too: a key moves nothing.
    if (locked_) return event->ignore();
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier) {
        emit entered();
        return event->accept();
    }
    inKeyPress_ = true;
    QListWidget::keyPressEvent(event);
    inKeyPress_ = false;
}

void FileListBox::onSelectionChanged() {
    if (selecting_ || selectedItems().isEmpty()) return;
    selectionChangedSincePress_ = true;
    emit chosen(inKeyPress_);
}

void ListBox::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    // The view makes the first row current when it gets the focus; with nothing selected
    // that would make the first Down arrow skip it.
    if (selectedItems().isEmpty()) return selectionModel()->clearCurrentIndex();
    // Orca 43 hears only of the list ("List with 8 items"): tell it the chosen line too,
    // after the list's own focus, as a move does; its where-am-I then reads the line.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus() && currentIndex().isValid()) currentChanged(currentIndex(), currentIndex());
    });
}

void FileListBox::mousePressEvent(QMouseEvent* event) {
    pressedIndex_ = indexAt(event->position().toPoint());
    selectionChangedSincePress_ = false;
    // Below the names, with another button than the left one, or while locked, a press
    // changes nothing: the chosen name stays selected.
    if (!pressedIndex_.isValid() || event->button() != Qt::LeftButton || locked_) {
        pressedIndex_ = QPersistentModelIndex();
        return event->accept();
    }
    QListWidget::mousePressEvent(event);
}

void FileListBox::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    const QModelIndex released = indexAt(event->position().toPoint());
    // A press that changed the selection has already picked the name.
    const bool clickOnSelected = event->button() == Qt::LeftButton && pressedIndex_.isValid() &&
                                 released == pressedIndex_ && !selectionChangedSincePress_ &&
                                 selectionModel()->isSelected(released);
    pressedIndex_ = QPersistentModelIndex();
    if (clickOnSelected) emit chosen(false);
}

void FileListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    // The first click of the pair has picked the name already.
    pressedIndex_ = QPersistentModelIndex();
    if (event->button() != Qt::LeftButton || locked_) return event->accept();
    QListWidget::mouseDoubleClickEvent(event);
}

}  // namespace bellmora
