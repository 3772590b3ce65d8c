// The Windows resources: app/quorvel.rc compiled by Debian's mingw-w64
// windres, and the .res file turned back into a script by windres itself, so
// that what is checked is what the compiled file holds. windres refuses a
// version record whose key, fixed signature or fixed size is wrong; it leaves
// out fixed fields that are zero.

#include <map>

#include <QDataStream>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The resources of one type in the script, by number: each one's text from
// after the number up to its END.
std::map<int, QString> Resources(const QString& script, const QString& type) {
    std::map<int, QString> found;
    const QRegularExpression resource(QStringLiteral(R"(^(\d+) %1(.*?)^END$)").arg(type),
                                      QRegularExpression::MultilineOption |
                                          QRegularExpression::DotMatchesEverythingOption);
    for (const auto& match : resource.globalMatch(script)) found[match.captured(1).toInt()] = match.captured(2);
    return found;
}

// windres shows binary data as little-endian words: 0x...L of four bytes,
// then 0x... of two.
QByteArray Bytes(const QString& data) {
    QByteArray bytes;
    for (const auto& word : QRegularExpression(QStringLiteral("0x([0-9a-f]+)(L?)")).globalMatch(data)) {
        const quint32 value = word.captured(1).toUInt(nullptr, 16);
        for (int i = 0; i < (word.captured(2).isEmpty() ? 2 : 4); ++i) bytes.append(static_cast<char>(value >> 8 * i));
    }
    return bytes;
}

class WindowsResources : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        res_ = dir.filePath(QStringLiteral("quorvel.res"));
        const QString rc = dir.filePath(QStringLiteral("quorvel.rc"));
        // The host's C preprocessor: the script needs no Windows headers.
        ASSERT_NO_FATAL_FAILURE(
            Windres({"--preprocessor=" QUORVEL_CPP, "-I", QUORVEL_ICON_DIR, "-O", "res", "-i", QUORVEL_RC, "-o", res_}));
        ASSERT_NO_FATAL_FAILURE(Windres({"-J", "res", "-O", "rc", "-i", res_, "-o", rc}));
        QFile file(rc);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        script_ = QString::fromUtf8(file.readAll());
        const auto versions = Resources(script_, QStringLiteral("VERSIONINFO"));
        ASSERT_EQ(versions.size(), 1u) << script_.toStdString();
        version_ = versions.begin()->second;
    }

    static void Windres(const QStringList& arguments) {
        QProcess windres;
        windres.setProcessChannelMode(QProcess::MergedChannels);
        windres.start(QStringLiteral(QUORVEL_WINDRES), arguments);
        ASSERT_TRUE(windres.waitForFinished(60000)) << windres.errorString().toStdString();
        ASSERT_EQ(windres.exitStatus(), QProcess::NormalExit);
        ASSERT_EQ(windres.exitCode(), 0) << windres.readAll().toStdString();
    }

    static inline QString res_;
    static inline QString script_;
    static inline QString version_;
};

TEST_F(WindowsResources, VersionRecordHoldsExactlyTheProgramsStrings) {
    EXPECT_TRUE(version_.contains(QStringLiteral(R"(
  BLOCK "StringFileInfo"
  BEGIN
    BLOCK "040904B0"
    BEGIN
      VALUE "FileVersion", "1.00"
      VALUE "InternalName", "Quorvel"
      VALUE "OriginalFilename", "Quorvel.exe"
      VALUE "ProductName", "Quorvel"
      VALUE "ProductVersion", "1.00"
    END
  END
)"))) << version_.toStdString();

    // windres shows a value as text whatever its type says, so the type (1,
    // text) just before each name is looked for in the .res file itself.
    QFile file(res_);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray res = file.readAll();
    for (const char* name : {"FileVersion", "InternalName", "OriginalFilename", "ProductName", "ProductVersion"}) {
        const QString typed = QString(QChar(1)) + QLatin1String(name) + QChar(0);
        EXPECT_TRUE(res.contains(QByteArray(reinterpret_cast<const char*>(typed.utf16()), typed.size() * 2))) << name;
    }
}

// No FILEFLAGS line: no flags.
TEST_F(WindowsResources, FixedVersionIsOnePointZeroOfAnApplication) {
    EXPECT_TRUE(version_.startsWith(QStringLiteral(R"(
 FILEVERSION 1, 0, 0, 0
 PRODUCTVERSION 1, 0, 0, 0
 FILEFLAGSMASK 0x3f
 FILEOS 0x40004
 FILETYPE 0x1
BEGIN
)"))) << version_.toStdString();
}

// Windows looks the strings up by the translation: the two must agree.
TEST_F(WindowsResources, TranslationIsUsEnglishInUnicodeAndNamesTheStringTable) {
    const auto translation =
        QRegularExpression(QStringLiteral(R"(VALUE "Translation", (\w+), (\w+)\n)")).match(version_);
    ASSERT_TRUE(translation.hasMatch()) << version_.toStdString();
    const uint language = translation.captured(1).toUInt(nullptr, 0);
    const uint code_page = translation.captured(2).toUInt(nullptr, 0);
    EXPECT_EQ(language, 0x0409u);
    EXPECT_EQ(code_page, 0x04B0u);
    const QString table = QStringLiteral("%1%2").arg(language, 4, 16, QChar('0')).arg(code_page, 4, 16, QChar('0'));
    EXPECT_TRUE(version_.contains(QStringLiteral("\n    BLOCK \"%1\"\n").arg(table.toUpper())))
        << version_.toStdString();
}

// The program's icon is its one icon group; each image in it is the one the
// build made from the drawing.
TEST_F(WindowsResources, IconIsTheIcoMadeFromTheDrawing) {
    QFile file(QStringLiteral(QUORVEL_ICON_DIR "/quorvel.ico"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray ico = file.readAll();
    QDataStream in(ico);
    in.setByteOrder(QDataStream::LittleEndian);
    quint16 reserved = 0, kind = 0, images = 0;
    in >> reserved >> kind >> images;
    ASSERT_GE(images, 1);

    const auto groups = Resources(script_, QStringLiteral(R"(14 /\* RT_GROUP_ICON \*/)"));
    ASSERT_EQ(groups.size(), 1u) << script_.toStdString();
    const QString& group = groups.begin()->second;
    EXPECT_TRUE(group.contains(QStringLiteral("/* Has %1 elements.  */").arg(images))) << group.toStdString();
    const auto icons = Resources(script_, QStringLiteral(R"(3 /\* RT_ICON \*/)"));
    for (int i = 0; i < images; ++i) {
        quint8 width = 0, height = 0, colours = 0, pad = 0;
        quint16 planes = 0, bits = 0;
        quint32 size = 0, offset = 0;
        in >> width >> height >> colours >> pad >> planes >> bits >> size >> offset;
        if (i == 0) {
            EXPECT_TRUE(width == 32 && height == 32) << "the first image is 32 by 32";
        }
        const QString entry = QString::asprintf(R"("\%03o\%03o\%03o\%03o", %d, %d, 0x%xL, )", width, height, colours,
                                                pad, planes, bits, static_cast<unsigned>(size));
        const auto element = QRegularExpression(QRegularExpression::escape(entry) +
                                                QStringLiteral(R"((\d+),?\s*/\* Element no %1\.)").arg(i + 1))
                                 .match(group);
        ASSERT_TRUE(element.hasMatch()) << "size, colours and bytes of image " << i << '\n' << group.toStdString();
        const auto icon = icons.find(element.captured(1).toInt());
        ASSERT_NE(icon, icons.end()) << "image " << i;
        EXPECT_EQ(Bytes(icon->second), ico.mid(offset, size)) << "image " << i;
    }
}

}  // namespace
