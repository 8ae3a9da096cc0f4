// The open-photo dialog's filter against the picture loader: the same extensions.
#include "fitting/PhotoFilters.h"
#include "platform/PictureLoader.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <set>

namespace {

QStringList patternsOf(const QString &entry)
{
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("\\(([^()]*)\\)$")).match(entry);
    return match.hasMatch() ? match.captured(1).split(QLatin1Char(';')) : QStringList();
}

TEST(PhotoFilters, CombinedEntryListsEveryOtherEntryInOrder)
{
    const QStringList filters = openPhotoFilters();
    ASSERT_EQ(filters.size(), 48);
    EXPECT_TRUE(filters.at(0).startsWith(QLatin1Char('(')));
    QStringList others;
    for (qsizetype k = 1; k < filters.size(); ++k) {
        const QStringList patterns = patternsOf(filters.at(k));
        EXPECT_EQ(patterns.size(), 1) << filters.at(k).toStdString();
        others += patterns;
    }
    EXPECT_EQ(patternsOf(filters.at(0)), others);
}

TEST(PhotoFilters, OfferExactlyWhatTheLoaderAccepts)
{
    std::set<QString> offered;
    for (const QString &pattern : patternsOf(openPhotoFilters().at(0)))
        offered.insert(pattern.mid(2));
    const QStringList &accepted = PictureLoader::extensions();
    EXPECT_EQ(offered, std::set<QString>(accepted.begin(), accepted.end()));
}

} // namespace
