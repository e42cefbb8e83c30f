#include "shared/utilities.h"

#include <gtest/gtest.h>

#include "shared/tool_settings.h"

namespace core {
namespace {

TEST(StartsWithTest, PrefixMustBeFirstOccurrenceAtStartCaseSensitive) {
    EXPECT_TRUE(StartsWith(L"WAV_", L"WAV_Jingle"));
    EXPECT_FALSE(StartsWith(L"wav_", L"WAV_Jingle"));
    EXPECT_FALSE(StartsWith(L"WAV_", L"x WAV_Jingle"));
    EXPECT_TRUE(StartsWith(L"", L"anything"));
    EXPECT_FALSE(StartsWith(L"WAV_", L""));
}

TEST(PathTest, FileNamePartIsTheTextAfterTheLastBackslash) {
    EXPECT_EQ(FileNamePart(L"  C:\\Jingles\\news.wav "), L"news.wav");
    EXPECT_EQ(FileNamePart(L"news.wav"), L"news.wav");
    EXPECT_EQ(FileNamePart(L"C:\\Jingles\\"), L"");
}

TEST(PathTest, HasFileNameNeedsANonBlankLastPart) {
    EXPECT_TRUE(HasFileName(L"C:\\Jingles\\news.wav"));
    EXPECT_TRUE(HasFileName(L"C:/Jingles/news.wav"));
    EXPECT_TRUE(HasFileName(L"news.wav"));
    EXPECT_FALSE(HasFileName(L"C:\\Jingles\\"));
    EXPECT_FALSE(HasFileName(L"C:/Jingles/"));
    EXPECT_FALSE(HasFileName(L"C:\\Jingles\\   "));
    EXPECT_FALSE(HasFileName(L"   "));
    EXPECT_FALSE(HasFileName(L""));
}

TEST(WindowPlacementTest, RectangleInsideTheWorkAreaStays) {
    Rect work{0, 0, 1280, 984};
    Rect stored{100, 50, 700, 600};
    Rect fitted = FitToWorkArea(stored, work);
    EXPECT_EQ(fitted.left, 100);
    EXPECT_EQ(fitted.top, 50);
    EXPECT_EQ(fitted.right, 700);
    EXPECT_EQ(fitted.bottom, 600);
}

TEST(WindowPlacementTest, RectangleBeyondTheWorkAreaIsCentredAtMinimumSize) {
    Rect work{0, 0, 1280, 984};
    for (Rect stored : {Rect{100, 50, 1281, 600}, Rect{100, 50, 700, 985}, Rect{-1, 50, 700, 600},
                        Rect{100, -1, 700, 600}, Rect{700, 50, 100, 600}}) {
        Rect fitted = FitToWorkArea(stored, work);
        EXPECT_EQ(fitted.bottom, (30 + 984) / 2);
        EXPECT_EQ(fitted.right, (30 + 1280) / 2);
        EXPECT_EQ(fitted.top, fitted.bottom - 30);
        EXPECT_EQ(fitted.left, fitted.right - 30);
    }
}

}  // namespace
}  // namespace core
