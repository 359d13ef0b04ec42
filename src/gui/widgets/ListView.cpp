#include "widgets/ListView.h"

#include "QtText.h"

#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>

namespace renoka {

namespace {

QStringList textsOf(const ListControl& list) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(list.items.size()));
    for (const auto& item : list.items)
        texts << qs(item);
    return texts;
}

} // namespace

// Replaces the items only when they changed: the timers show the form every second, and a list that is
// rebuilt each time would lose the user's scroll position and open drop-down.
void showList(QComboBox& combo, const ListControl& list) {
    const QSignalBlocker blocker(combo);
    const QStringList texts = textsOf(list);
    QStringList current;
    for (int i = 0; i < combo.count(); ++i)
        current << combo.itemText(i);
    if (current != texts) {
        combo.clear();
        combo.addItems(texts);
    }
    if (combo.currentIndex() != list.itemIndex) combo.setCurrentIndex(list.itemIndex);
}

void showList(QListWidget& view, const ListControl& list) {
    const QSignalBlocker blocker(view);
    const QStringList texts = textsOf(list);
    QStringList current;
    for (int i = 0; i < view.count(); ++i)
        current << view.item(i)->text();
    if (current != texts) {
        view.clear();
        view.addItems(texts);
    }
    if (view.currentRow() != list.itemIndex) view.setCurrentRow(list.itemIndex);
}

} // namespace renoka
