// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/access.h"

#include "windows/tile.h"

#include <QAccessibleWidget>

CallNotice::CallNotice(QWidget* parent) : QWidget(parent)
{
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void CallNotice::announce(const QString& call)
{
    setAccessibleName(call);
    hide();
    show();
}

namespace {

// A cell that takes part in play is a check box, checked while it has a chip; a board tile
// stays a plain named box.
class TileAccessible : public QAccessibleWidget {
public:
    explicit TileAccessible(Tile* tile) : QAccessibleWidget(tile) {}

    QAccessible::Role role() const override
    {
        return tile()->keyboardPlay() ? QAccessible::CheckBox : QAccessibleWidget::role();
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (tile()->keyboardPlay()) {
            state.checkable = true;
            state.checked = tile()->colour() == CalledColour;
        }
        return state;
    }

private:
    Tile* tile() const { return static_cast<Tile*>(widget()); }
};

QAccessibleInterface* gameAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("Tile"))
        return new TileAccessible(static_cast<Tile*>(object));
    if (className == QLatin1String("CallNotice"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    if (className == QLatin1String("Form2"))  // read with its question when it opens
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Dialog);
    return nullptr;
}

}  // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(gameAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}
