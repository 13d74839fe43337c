// The built standard skin: every picture a screen loads is in the archive, decodes as JPEG at the size
// of its control, the question mask survives JPEG as black on pure white, the click areas sit at their
// layout places, the frame pieces agree where they overlap, and the generator is reproducible.

#include "skin_pictures.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <jpeglib.h>
#include <zip.h>

#include <algorithm>
#include <cctype>
#include <csetjmp>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

using velmora::skin::ClickArea;
using velmora::skin::kClickAreas;
using velmora::skin::kSkinPictures;
using velmora::skin::SkinPicture;

namespace {

struct Member
{
    std::string name;
    zip_uint16_t method = 0;
    std::string bytes;
};

// Reads every member whole; a CRC mismatch shows as a failed read.
std::vector<Member> readArchive(const char *path)
{
    std::vector<Member> members;
    int error = 0;
    zip_t *archive = zip_open(path, ZIP_RDONLY, &error);
    if (archive == nullptr) {
        ADD_FAILURE() << "cannot open " << path << " (libzip error " << error << ")";
        return members;
    }
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_stat_index(archive, zip_uint64_t(i), 0, &stat);
        Member member{stat.name, stat.comp_method, {}};
        zip_file_t *file = zip_fopen_index(archive, zip_uint64_t(i), 0);
        EXPECT_NE(file, nullptr) << stat.name;
        if (file == nullptr) {
            continue;
        }
        char buffer[65536];
        zip_int64_t got = 0;
        while ((got = zip_fread(file, buffer, sizeof buffer)) > 0) {
            member.bytes.append(buffer, std::size_t(got));
        }
        EXPECT_EQ(got, 0) << stat.name << ": " << zip_file_strerror(file);
        zip_fclose(file);
        members.push_back(std::move(member));
    }
    zip_close(archive);
    return members;
}

struct Picture
{
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;

    const unsigned char *at(int x, int y) const
    {
        return &rgb[(std::size_t(y) * std::size_t(width) + std::size_t(x)) * 3];
    }
};

struct DecodeErrors
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void onDecodeError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<DecodeErrors *>(info->err)->jump, 1);
}

// Decodes as the program does: libjpeg with its default settings, RGB out.
std::optional<Picture> decodeJpeg(const std::string &bytes)
{
    jpeg_decompress_struct info{};
    DecodeErrors errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onDecodeError;
    Picture picture;
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&info);
        return std::nullopt;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    picture.width = int(info.output_width);
    picture.height = int(info.output_height);
    picture.rgb.resize(std::size_t(picture.width) * std::size_t(picture.height) * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = &picture.rgb[std::size_t(info.output_scanline) * std::size_t(picture.width) * 3];
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return picture;
}

std::string lowerBaseName(std::string_view name)
{
    std::string base(name.substr(0, name.rfind('.')));
    std::transform(base.begin(), base.end(), base.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return base;
}

class StandardSkin : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { s_members = new std::vector<Member>(readArchive(VELMORA_STANDARD_SKIN)); }
    static void TearDownTestSuite()
    {
        delete s_members;
        s_members = nullptr;
    }

    // The member of a skin picture, found whatever its case, as the program finds it.
    static const Member *memberOf(std::string_view pictureName)
    {
        for (const Member &member : *s_members) {
            if (lowerBaseName(member.name) == lowerBaseName(pictureName)) {
                return &member;
            }
        }
        return nullptr;
    }

    static Picture decoded(std::string_view pictureName)
    {
        const Member *member = memberOf(pictureName);
        if (member == nullptr) {
            ADD_FAILURE() << pictureName << " is missing";
            return {};
        }
        std::optional<Picture> picture = decodeJpeg(member->bytes);
        if (!picture) {
            ADD_FAILURE() << pictureName << " is no JPEG picture";
            return {};
        }
        return *picture;
    }

    static std::vector<Member> *s_members;
};

std::vector<Member> *StandardSkin::s_members = nullptr;

bool whitish(const unsigned char *p)
{
    return p[0] >= 190 && p[1] >= 190 && p[2] >= 190;
}
bool tealish(const unsigned char *p)
{
    return p[1] >= p[0] + 50 && p[2] >= p[0] + 40;
}

TEST_F(StandardSkin, HoldsEveryPictureOnceAsStoredJpegOfItsControlSize)
{
    ASSERT_FALSE(s_members->empty());
    EXPECT_EQ(s_members->size(), kSkinPictures.size())
        << "every member is a picture of the table, none twice";
    for (const Member &member : *s_members) {
        EXPECT_EQ(member.name.find_first_of("/\\"), std::string::npos) << member.name << " carries a folder";
        EXPECT_EQ(member.method, ZIP_CM_STORE) << member.name << " is compressed";
    }
    for (const SkinPicture &entry : kSkinPictures) {
        SCOPED_TRACE(std::string(entry.name));
        const Member *member = memberOf(entry.name);
        ASSERT_NE(member, nullptr) << "missing";
        const std::optional<Picture> picture = decodeJpeg(member->bytes);
        ASSERT_TRUE(picture.has_value()) << "not a JPEG picture";
        EXPECT_EQ(picture->width, entry.width);
        EXPECT_EQ(picture->height, entry.height);
    }
}

TEST_F(StandardSkin, QuestionMaskIsBlackShapeOnPureWhiteAfterDecoding)
{
    const Picture mask = decoded("GUI_questionmask.bmp");
    ASSERT_GT(mask.width, 0);
    int white = 0;
    int shape = 0;
    int other = 0;
    int left = mask.width;
    int right = -1;
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            const unsigned char *p = mask.at(x, y);
            if (p[0] == 255 && p[1] == 255 && p[2] == 255) {
                ++white;
            } else if (p[0] < 40 && p[1] < 40 && p[2] < 40) {
                ++shape;
                left = std::min(left, x);
                right = std::max(right, x);
            } else {
                ++other; // a JPEG fringe would make the clip region ragged
            }
        }
    }
    const int total = mask.width * mask.height;
    EXPECT_EQ(other, 0);
    EXPECT_GT(white, total / 2);
    EXPECT_GT(shape, total / 8);
    // The corners lie outside the shape, and the shape, moved 40 right and 20 down by the pictures
    // screen, stays inside its 366 x 512 box.
    for (const auto &[x, y] : {std::pair{0, 0}, {mask.width - 1, 0}, {0, mask.height - 1}}) {
        const unsigned char *p = mask.at(x, y);
        EXPECT_TRUE(p[0] == 255 && p[1] == 255 && p[2] == 255) << x << "," << y;
    }
    EXPECT_LE(40 + mask.width, 366);
    EXPECT_LE(20 + mask.height, 512);
    EXPECT_LT(left, mask.width / 3);
    EXPECT_GT(right, mask.width * 2 / 3);
}

TEST_F(StandardSkin, ClickAreasAreDrawnAtTheirLayoutPlaces)
{
    std::map<std::string_view, Picture> pictures;
    for (const ClickArea &area : kClickAreas) {
        SCOPED_TRACE(std::string(area.picture) + " " + std::string(area.control));
        if (!pictures.count(area.picture)) {
            pictures[area.picture] = decoded(area.picture);
        }
        const Picture &picture = pictures[area.picture];
        ASSERT_GE(picture.width, area.left + area.width);
        ASSERT_GE(picture.height, area.top + area.height);
        const int cx = area.left + area.width / 2;
        const int cy = area.top + area.height / 2;
        // The white ring runs along the rectangle's edges ...
        EXPECT_TRUE(whitish(picture.at(area.left + 1, cy))) << "left edge";
        EXPECT_TRUE(whitish(picture.at(area.left + area.width - 2, cy))) << "right edge";
        EXPECT_TRUE(whitish(picture.at(cx, area.top + 1))) << "top edge";
        EXPECT_TRUE(whitish(picture.at(cx, area.top + area.height - 2))) << "bottom edge";
        EXPECT_FALSE(area.control.empty());
        if (area.height < 40) {
            continue; // a small link icon: no caption, its lines fill the ring
        }
        // ... around the teal fill, which carries the caption.
        EXPECT_TRUE(tealish(picture.at(area.left + 8, cy))) << "fill inside the left edge";
        EXPECT_TRUE(tealish(picture.at(area.left + area.width - 9, cy))) << "fill inside the right edge";
        EXPECT_FALSE(area.caption.empty());
    }
}

// Mean absolute difference of two equally large regions.
double difference(const Picture &a, int ax, int ay, const Picture &b, int bx, int by, int width, int height)
{
    double sum = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned char *p = a.at(ax + x, ay + y);
            const unsigned char *q = b.at(bx + x, by + y);
            for (int c = 0; c < 3; ++c) {
                sum += std::abs(int(p[c]) - int(q[c]));
            }
        }
    }
    return sum / (width * height * 3);
}

TEST_F(StandardSkin, FramePiecesAgreeWhereTheyOverlapInTheWindow)
{
    // Window places: top 0,0 (1024 x 176), left 0,175 (21 x 576), right 986,175 (25 x 576), bottom 0,743
    // (1011 x 23).
    const Picture top = decoded("GUI_main_bodytop.bmp");
    const Picture left = decoded("GUI_main_bodyleft.bmp");
    const Picture right = decoded("GUI_main_bodyright.bmp");
    const Picture bottom = decoded("GUI_main_bodybottom.bmp");
    ASSERT_TRUE(top.width && left.width && right.width && bottom.width);
    EXPECT_LT(difference(top, 0, 175, left, 0, 0, 21, 1), 6.0) << "top and left";
    EXPECT_LT(difference(top, 986, 175, right, 0, 0, 22, 1), 6.0) << "top and right";
    EXPECT_LT(difference(left, 0, 568, bottom, 0, 0, 21, 8), 6.0) << "left and bottom";
    EXPECT_LT(difference(right, 0, 568, bottom, 986, 0, 22, 8), 6.0) << "right and bottom";
    // The bottom piece is drawn transparent (its bottom-left colour is see-through): that colour is the
    // white outside the window's rounded corner, not the frame.
    const unsigned char *key = bottom.at(0, bottom.height - 1);
    EXPECT_TRUE(whitish(key));
    EXPECT_FALSE(whitish(bottom.at(100, 14)));
}

TEST_F(StandardSkin, BuyButtonShowsWholeInTheShorterControlOfThePicturesScreen)
{
    // 181 x 71 in the gallery, 181 x 66 on the pictures screen: the rows below 66 are plain margin in
    // the see-through colour (the bottom-left pixel), so the shorter control cuts off nothing.
    for (const char *name : {"GUI_buy.bmp", "GUI_buy_down.bmp"}) {
        SCOPED_TRACE(name);
        const Picture button = decoded(name);
        ASSERT_EQ(button.height, 71);
        const unsigned char *key = button.at(0, button.height - 1);
        for (int y = 66; y < button.height; ++y) {
            for (int x = 0; x < button.width; ++x) {
                const unsigned char *p = button.at(x, y);
                ASSERT_LE(std::abs(int(p[0]) - int(key[0])) + std::abs(int(p[1]) - int(key[1])) +
                              std::abs(int(p[2]) - int(key[2])),
                          12)
                    << x << "," << y;
            }
        }
    }
}

TEST(SkinGenerator, WritesTheSameBytesAgainInAnyTimeZone)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString again = folder.filePath(QStringLiteral("again.skin"));
    QProcess generator;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TZ"), QStringLiteral("Pacific/Auckland"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    generator.setProcessEnvironment(environment);
    generator.start(QStringLiteral(VELMORA_SKIN_GENERATOR), {again});
    ASSERT_TRUE(generator.waitForFinished(120000));
    ASSERT_EQ(generator.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();

    QFile built(QStringLiteral(VELMORA_STANDARD_SKIN));
    QFile written(again);
    ASSERT_TRUE(built.open(QIODevice::ReadOnly));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(built.readAll() == written.readAll());
}

} // namespace
