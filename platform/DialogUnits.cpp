#include "platform/DialogUnits.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QString>
#include <QStringList>
#include <cmath>

namespace platform {

namespace {

// What a Chinese system gives the templates' font: SimSun (宋体) on Windows, the WenQuanYi sans
// on Debian; else the first font of the system that writes Simplified Chinese.
QString findDialogFontFamily()
{
#ifdef Q_OS_WIN
    const QStringList preferred{QStringLiteral("SimSun"), QStringLiteral("NSimSun"), QStringLiteral("Microsoft YaHei")};
#else
    const QStringList preferred{QStringLiteral("WenQuanYi Micro Hei")};
#endif
    const QStringList present = QFontDatabase::families();
    for (const QString& family : preferred) {
        if (present.contains(family, Qt::CaseInsensitive))
            return family;
    }
    const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    return chinese.isEmpty() ? preferred.front() : chinese.front();
}

// Rounded a * b / c, like the dialog manager's MulDiv.
int mulDiv(int a, int b, int c)
{
    return int(std::lround(double(a) * double(b) / double(c)));
}

} // namespace

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    // The average width of the 52 letters, rounded half up, as the dialog manager takes it.
    baseX_ = (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2;
    baseY_ = metrics.height();
}

int DialogUnits::toPixelsX(int units) const
{
    return mulDiv(units, baseX_, 4);
}

int DialogUnits::toPixelsY(int units) const
{
    return mulDiv(units, baseY_, 8);
}

int DialogUnits::scalePixelsX(int pixels) const
{
    // 1.5 pixels a unit is a base width of 6.
    return mulDiv(pixels, baseX_, 6);
}

QRect DialogUnits::toPixels(int x, int y, int width, int height) const
{
    return QRect(toPixelsX(x), toPixelsY(y), toPixelsX(width), toPixelsY(height));
}

QFont dialogFont(int pointSize)
{
    static const QString family = findDialogFontFamily();
    QFont result(family);
    result.setStyleHint(QFont::SansSerif);
    // A Chinese system shows an 8-point dialog font with 12-pixel characters.
    result.setPixelSize(int(std::lround(pointSize * 1.5)));
    return result;
}

} // namespace platform
