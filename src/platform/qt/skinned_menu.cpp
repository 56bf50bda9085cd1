#include "platform/qt/skinned_menu.hpp"

#include <QAction>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>
#include <memory>
#include <utility>

#include "platform/qt/qt_text.hpp"

namespace quillo::qt {
namespace {

constexpr int kIconSize = 15;
constexpr int kBackIcon = 1;
constexpr int kSquareIcon = 0;

QString css(ui::Color color) {
    return toQColor(color).name();
}

QString styleSheet(const std::array<ui::Color, 10>& c, int fontHeight, int fontWeight) {
    return QStringLiteral("QMenu { background: ") + css(c[0]) +
           QStringLiteral("; border: 1px solid ") + css(c[6]) +
           QStringLiteral("; padding: 2px; color: #000000; font-size: ") +
           QString::number(fontHeight) + QStringLiteral("px; font-weight: ") +
           QString::number(fontWeight) +
           QStringLiteral(
               "; }"
               "QMenu::item { padding: 3px 22px 3px 6px; "
               "border: 1px solid transparent; background: transparent; }"
               "QMenu::item:selected { background: ") +
           css(c[2]) + QStringLiteral("; border: 1px solid ") + css(c[3]) +
           QStringLiteral(
               "; }"
               "QMenu::item:disabled { color: ") +
           css(c[7]) +
           QStringLiteral(
               "; }"
               "QMenu::separator { height: 1px; margin: 3px 2px 3px 26px; background: ") +
           css(c[1]) + QStringLiteral("; }");
}

// The two item icons: 1 a small arrow pointing back, 0 a small framed square.
QIcon itemIcon(int index, const std::array<ui::Color, 10>& c) {
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(toQColor(c[9]).darker(130), 1));
    painter.setBrush(toQColor(c[4]));
    painter.drawRoundedRect(QRectF(0.5, 0.5, kIconSize - 1, kIconSize - 1), 2, 2);
    painter.setPen(QPen(toQColor(c[8]), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (index == kBackIcon) {
        QPainterPath arrow;
        arrow.moveTo(11.5, 7.5);
        arrow.lineTo(3.5, 7.5);
        arrow.moveTo(7, 4);
        arrow.lineTo(3.5, 7.5);
        arrow.lineTo(7, 11);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(arrow);
    } else if (index == kSquareIcon) {
        painter.setBrush(toQColor(c[8]));
        painter.drawRect(QRectF(5, 5, 5, 5));
    }
    return QIcon(pixmap);
}

}  // namespace

QMenu* popupSkinnedMenu(QWidget* owner, const ui::MenuDef& menu,
                        const std::optional<ui::MenuSkinDef>& skin, QPoint position,
                        std::function<void(std::size_t index)> chosen) {
    // A window without a menu skin gets the toolkit's own menu look.
    const ui::MenuSkinDef painter = skin.value_or(ui::MenuSkinDef{});
    const std::array<ui::Color, 10>& colors = painter.colors;

    auto* root = new QMenu(owner);  // owned by `owner`, deleted when it closes
    root->setAttribute(Qt::WA_DeleteOnClose);
    if (skin) {
        root->setStyleSheet(styleSheet(colors, painter.fontHeight, painter.fontWeight));
    }
    // The root caption is never shown; it names the pop-up's window.
    root->setTitle(sourceText(menu.name));
    root->setWindowTitle(sourceText(menu.name));

    auto choose = std::make_shared<std::function<void(std::size_t)>>(std::move(chosen));
    QMenu* submenu = nullptr;
    for (std::size_t index = 0; index < menu.items.size(); ++index) {
        const ui::MenuItemDef& item = menu.items[index];
        QMenu* target = (item.level >= 2 && submenu != nullptr) ? submenu : root;
        if (item.level < 2) {
            submenu = nullptr;
        }
        if (item.caption == "-") {
            target->addSeparator();
            continue;
        }
        if (item.level < 2 && item.submenuHead) {
            submenu = root->addMenu(sourceText(item.caption));
            if (item.icon >= 0) {
                submenu->setIcon(itemIcon(item.icon, colors));
            }
            continue;
        }
        QAction* action = target->addAction(sourceText(item.caption));
        if (item.icon >= 0) {
            action->setIcon(itemIcon(item.icon, colors));
        }
        QObject::connect(action, &QAction::triggered, root, [choose, index] { (*choose)(index); });
    }
    root->popup(position);
    return root;
}

}  // namespace quillo::qt
