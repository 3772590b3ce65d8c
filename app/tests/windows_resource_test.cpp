// The Windows resources: app/quorvel.rc compiled by Debian's mingw-w64
// windres, read back from the .res file as Windows reads it. The strings of
// the version record are UTF-16LE there, in a tree of blocks.

#include <cstdint>
#include <map>
#include <vector>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr int kIconType = 3;       // RT_ICON
constexpr int kIconGroupType = 14;  // RT_GROUP_ICON
constexpr int kVersionType = 16;    // RT_VERSION

std::uint32_t U16(const QByteArray& b, qsizetype at) {
    return static_cast<std::uint8_t>(b.at(at)) | static_cast<std::uint8_t>(b.at(at + 1)) << 8;
}
std::uint32_t U32(const QByteArray& b, qsizetype at) { return U16(b, at) | U16(b, at + 2) << 16; }
qsizetype Align4(qsizetype at) { return (at + 3) & ~qsizetype{3}; }

// A UTF-16LE text ending in a zero character; `at` moves past it.
QString Utf16z(const QByteArray& b, qsizetype& at, qsizetype end) {
    QString text;
    while (at + 1 < end && U16(b, at) != 0) {
        text += QChar(static_cast<char16_t>(U16(b, at)));
        at += 2;
    }
    at += 2;
    return text;
}

struct Resource {
    int type;  // -1 when named by a text
    int id;
    int language;
    QByteArray data;
};

std::vector<Resource> ReadRes(const QByteArray& b) {
    std::vector<Resource> resources;
    qsizetype at = 0;
    while (at + 8 <= b.size()) {
        const qsizetype data_size = U32(b, at);
        const qsizetype header_size = U32(b, at + 4);
        qsizetype p = at + 8;
        const auto ordinal = [&b, &p, at, header_size] {
            if (U16(b, p) == 0xFFFF) {
                p += 4;
                return static_cast<int>(U16(b, p - 2));
            }
            Utf16z(b, p, at + header_size);
            return -1;
        };
        const int type = ordinal();
        const int id = ordinal();
        p = Align4(p);
        const int language = static_cast<int>(U16(b, p + 6));  // after DataVersion and MemoryFlags
        if (data_size > 0) resources.push_back({type, id, language, b.mid(at + header_size, data_size)});
        at = Align4(at + header_size + data_size);
    }
    return resources;
}

// One block of the version record: a key, a value and the blocks inside.
struct Block {
    QString key;
    bool text = false;
    QByteArray value;
    std::vector<Block> children;

    const Block* Child(const QString& name) const {
        for (const auto& child : children) {
            if (child.key == name) return &child;
        }
        return nullptr;
    }
    QString TextValue() const {
        qsizetype at = 0;
        return Utf16z(value, at, value.size());
    }
};

Block ReadBlock(const QByteArray& b, qsizetype at) {
    const qsizetype end = std::min<qsizetype>(at + U16(b, at), b.size());
    const qsizetype value_length = U16(b, at + 2);
    Block block;
    block.text = U16(b, at + 4) == 1;
    qsizetype p = at + 6;
    block.key = Utf16z(b, p, end);
    p = Align4(p);
    const qsizetype value_bytes = std::min(block.text ? value_length * 2 : value_length, end - p);
    block.value = b.mid(p, value_bytes);
    for (p = Align4(p + value_bytes); p + 6 <= end; p = Align4(p + U16(b, p))) {
        if (U16(b, p) == 0) break;
        block.children.push_back(ReadBlock(b, p));
    }
    return block;
}

class WindowsResources : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString res = dir.filePath(QStringLiteral("quorvel.res"));
        QProcess windres;
        windres.setProcessChannelMode(QProcess::MergedChannels);
        // The host's C preprocessor: the script needs no Windows headers.
        windres.start(QStringLiteral(QUORVEL_WINDRES),
                      {QStringLiteral("--preprocessor=" QUORVEL_CPP), QStringLiteral("-I"),
                       QStringLiteral(QUORVEL_ICON_DIR), QStringLiteral("-O"), QStringLiteral("res"),
                       QStringLiteral("-i"), QStringLiteral(QUORVEL_RC), QStringLiteral("-o"), res});
        ASSERT_TRUE(windres.waitForFinished(60000)) << windres.errorString().toStdString();
        ASSERT_EQ(windres.exitStatus(), QProcess::NormalExit);
        ASSERT_EQ(windres.exitCode(), 0) << windres.readAll().toStdString();
        QFile file(res);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        resources_ = ReadRes(file.readAll());
    }

    static std::vector<const Resource*> OfType(int type) {
        std::vector<const Resource*> found;
        for (const auto& r : resources_) {
            if (r.type == type) found.push_back(&r);
        }
        return found;
    }

    static Block Version() {
        const auto versions = OfType(kVersionType);
        EXPECT_EQ(versions.size(), 1u);
        return versions.empty() ? Block{} : ReadBlock(versions.front()->data, 0);
    }

    static inline std::vector<Resource> resources_;
};

TEST_F(WindowsResources, VersionRecordHoldsExactlyTheProgramsStrings) {
    const Block version = Version();
    EXPECT_EQ(version.key.toStdString(), "VS_VERSION_INFO");
    const Block* strings = version.Child(QStringLiteral("StringFileInfo"));
    ASSERT_NE(strings, nullptr);
    ASSERT_EQ(strings->children.size(), 1u);
    const Block& table = strings->children.front();
    EXPECT_EQ(table.key.toUpper().toStdString(), "040904B0");

    std::map<std::string, std::string> found;
    for (const auto& string : table.children) {
        EXPECT_TRUE(string.text) << string.key.toStdString();
        found[string.key.toStdString()] = string.TextValue().toStdString();
    }
    const std::map<std::string, std::string> expected = {
        {"ProductName", "Quorvel"},       {"InternalName", "Quorvel"}, {"OriginalFilename", "Quorvel.exe"},
        {"FileVersion", "1.00"},          {"ProductVersion", "1.00"},
    };
    EXPECT_EQ(found, expected);
}

TEST_F(WindowsResources, FixedVersionIsOnePointZeroOfAnApplication) {
    const QByteArray fixed = Version().value;
    ASSERT_EQ(fixed.size(), 52);  // VS_FIXEDFILEINFO
    struct Field {
        const char* name;
        qsizetype offset;
        std::uint32_t value;
    };
    const Field fields[] = {
        {"signature", 0, 0xFEEF04BD},
        {"file version, major.minor", 8, 0x00010000},
        {"file version, build.revision", 12, 0},
        {"product version, major.minor", 16, 0x00010000},
        {"product version, build.revision", 20, 0},
        {"flags", 28, 0},
        {"file type (application)", 36, 1},
    };
    for (const Field& f : fields) {
        EXPECT_EQ(U32(fixed, f.offset), f.value) << f.name;
    }
}

// Windows looks the strings up by the translation: the two must agree.
TEST_F(WindowsResources, TranslationIsUsEnglishInUnicodeAndNamesTheStringTable) {
    const Block version = Version();
    const Block* variables = version.Child(QStringLiteral("VarFileInfo"));
    ASSERT_NE(variables, nullptr);
    const Block* translation = variables->Child(QStringLiteral("Translation"));
    ASSERT_NE(translation, nullptr);
    ASSERT_EQ(translation->value.size(), 4);
    const std::uint32_t language = U16(translation->value, 0);
    const std::uint32_t code_page = U16(translation->value, 2);
    EXPECT_EQ(language, 0x0409u);
    EXPECT_EQ(code_page, 0x04B0u);
    const Block* strings = version.Child(QStringLiteral("StringFileInfo"));
    ASSERT_TRUE(strings && !strings->children.empty());
    const QString named = QStringLiteral("%1%2").arg(language, 4, 16, QChar('0')).arg(code_page, 4, 16, QChar('0'));
    EXPECT_EQ(strings->children.front().key.toUpper().toStdString(), named.toUpper().toStdString());
}

// The program's icon is its first icon group; each image in it is the one
// the build made from the drawing.
TEST_F(WindowsResources, IconIsTheIcoMadeFromTheDrawing) {
    QFile file(QStringLiteral(QUORVEL_ICON_DIR "/quorvel.ico"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray ico = file.readAll();
    const int images = static_cast<int>(U16(ico, 4));
    ASSERT_GE(images, 1);

    const auto groups = OfType(kIconGroupType);
    ASSERT_EQ(groups.size(), 1u);
    const QByteArray& group = groups.front()->data;
    ASSERT_EQ(static_cast<int>(U16(group, 4)), images);
    for (int i = 0; i < images; ++i) {
        const qsizetype entry = 6 + 14 * i;       // GRPICONDIRENTRY
        const qsizetype ico_entry = 6 + 16 * i;   // ICONDIRENTRY
        EXPECT_EQ(group.mid(entry, 12), ico.mid(ico_entry, 12)) << "size, colours and bytes of image " << i;
        const int id = static_cast<int>(U16(group, entry + 12));
        const QByteArray expected = ico.mid(U32(ico, ico_entry + 12), U32(ico, ico_entry + 8));
        bool found = false;
        for (const Resource* icon : OfType(kIconType)) {
            if (icon->id != id) continue;
            found = true;
            EXPECT_EQ(icon->data, expected) << "image " << i;
        }
        EXPECT_TRUE(found) << "image " << i;
    }
    EXPECT_EQ(static_cast<int>(static_cast<std::uint8_t>(group.at(6))), 32);  // width of the first image
    EXPECT_EQ(static_cast<int>(static_cast<std::uint8_t>(group.at(7))), 32);  // height
}

}  // namespace
