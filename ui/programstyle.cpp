#include "ui/programstyle.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>

namespace {

// An icon of the style's that is looked up the first time anything asks for its pictures.
class IconOnFirstUse : public QIconEngine {
public:
    IconOnFirstUse(QStyle* style, QStyle::StandardPixmap which)
        : style(style)
        , which(which)
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    // Asked when a menu bar is laid out; the style's arrow is never missing.
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("IconOnFirstUse"); }
    QIconEngine* clone() const override { return new IconOnFirstUse(*this); }

private:
    QIcon& icon()
    {
        if (!looked && style) {
            looked = true;
            loaded = style->standardIcon(which);
        }
        return loaded;
    }

    QPointer<QStyle> style;
    QStyle::StandardPixmap which;
    bool looked = false;
    QIcon loaded;
};

bool IsMenuOverflowArrow(QStyle::StandardPixmap icon)
{
    return icon == QStyle::SP_ToolBarHorizontalExtensionButton ||
           icon == QStyle::SP_ToolBarVerticalExtensionButton;
}

} // namespace

ProgramStyle::ProgramStyle(QStyle* desktopStyle)
    : QProxyStyle(desktopStyle)
{
}

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const
{
    if (!IsMenuOverflowArrow(icon))
        return QProxyStyle::standardIcon(icon, option, widget);
    return QIcon(new IconOnFirstUse(baseStyle(), icon));
}
