#pragma once

#include "fonts/BitmapFontFile.h"
#include "fonts/BitmapFontParams.h"
#include "link/Progress.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>
#include <gtest/gtest.h>

namespace norvane::test {

/// Installed by fonts-dejavu-core and fonts-wqy-microhei; loaded by path so fontconfig's choice of a
/// substitute cannot change what the tests draw.
inline constexpr char kDejaVuSansFile[] = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
inline constexpr char kMicroHeiFile[] = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc";

inline QFont FontFromFile(const char* path, int pixels)
{
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(path));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    EXPECT_FALSE(families.isEmpty()) << path;
    QFont font(families.value(0));
    font.setPixelSize(pixels);
    return font;
}

inline QFont DejaVuSans(int pixels)
{
    return FontFromFile(kDejaVuSansFile, pixels);
}

inline QFont MicroHei(int pixels)
{
    return FontFromFile(kMicroHeiFile, pixels);
}

/// Records what the maker shows.
class ProgressRecorder : public ProgressView
{
public:
    void showBar() override { ++shown; }
    void setCaption(const char* text) override { caption = QString::fromLatin1(text); }
    void setBarPosition(int percent) override { positions.append(percent); }
    void hideBar() override { ++hidden; }
    void passEvents() override { ++eventPasses; }
    void showWaiting() override {}
    void hideWaiting() override {}

    QString caption;
    QList<int> positions;
    int shown = 0;
    int hidden = 0;
    int eventPasses = 0;
};

inline QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline BitmapFontFile ReadBack(const QString& path)
{
    QString error;
    const std::optional<BitmapFontFile> font = ReadBitmapFont(FileBytes(path), error);
    EXPECT_TRUE(font.has_value()) << error.toStdString();
    return font.value_or(BitmapFontFile{});
}

} // namespace norvane::test
