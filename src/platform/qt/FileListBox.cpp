#include "FileListBox.h"

#include <QDir>
#include <QMouseEvent>

namespace bellmora {

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FileListBox::onSelectionChanged);
}

void FileListBox::fill(const QString& pattern) {
    clear();
    // Without QDir::CaseSensitive the pattern ignores case; without QDir::Hidden and
    // QDir::System, dot files and broken links stay out.
    addItems(QDir::current().entryList({pattern}, QDir::Files, QDir::Name | QDir::IgnoreCase));
    selectionModel()->clear();
}

QString FileListBox::selectedName() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void FileListBox::onSelectionChanged() {
    if (selectedItems().isEmpty()) return;
    selectionChangedSincePress_ = true;
    emit chosen();
}

void FileListBox::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    // The view makes the first row current when it gets the focus; with nothing selected
    // that would make the first Down arrow skip it.
    if (selectedItems().isEmpty()) selectionModel()->clearCurrentIndex();
}

void FileListBox::mousePressEvent(QMouseEvent* event) {
    pressedIndex_ = indexAt(event->position().toPoint());
    selectionChangedSincePress_ = false;
    // Below the names a press changes nothing: the chosen name stays selected.
    if (!pressedIndex_.isValid()) return event->accept();
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
    if (clickOnSelected) emit chosen();
}

void FileListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    // The first click of the pair has picked the name already.
    pressedIndex_ = QPersistentModelIndex();
    QListWidget::mouseDoubleClickEvent(event);
}

}  // namespace bellmora
