// The contest-date edit: its format and the two buttons of the drop-down calendar.
#include "widgets/DatumEdit.h"

#include "support/TestUmgebung.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>

// Readable failure messages for texts.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace {

class DatumEditTest : public ::testing::Test {
protected:
    DatumEditTest() : uhr(QDateTime(QDate(2025, 11, 14), QTime(20, 15))) {}

    void SetUp() override {
        edit = std::make_unique<widgets::TDatumEdit>();
        edit->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(edit.get()));
        edit->setFocus();
    }

    // Opens the calendar the way the keyboard does.
    void OeffneKalender() {
        QTest::keyClick(edit.get(), Qt::Key_F4);
        ASSERT_TRUE(edit->Kalender()->isVisible());
    }

    testsupport::FesteUhr uhr;
    std::unique_ptr<widgets::TDatumEdit> edit;
};

TEST_F(DatumEditTest, ZeigtTagMonatJahrMitFuehrendenNullen) {
    EXPECT_EQ(edit->Datum(), QDate(2025, 11, 14));
    EXPECT_EQ(edit->Text(), QStringLiteral("14.11.2025"));
    edit->SetzeDatum(QDate(2024, 3, 5));
    EXPECT_EQ(edit->Text(), QStringLiteral("05.03.2024"));
    EXPECT_EQ(edit->text(), QStringLiteral("05.03.2024"));
    EXPECT_TRUE(edit->calendarPopup());
    EXPECT_EQ(edit->calendarWidget(), edit->Kalender());
}

TEST_F(DatumEditTest, KalenderknoepfeHeuteUndReset) {
    EXPECT_EQ(edit->Kalender()->HeuteKnopf()->text(), QStringLiteral("Heute"));
    EXPECT_EQ(edit->Kalender()->ResetKnopf()->text(), QStringLiteral("Reset"));

    edit->SetzeDatum(QDate(2024, 3, 5));
    OeffneKalender();
    QTest::mouseClick(edit->Kalender()->HeuteKnopf(), Qt::LeftButton);
    EXPECT_EQ(edit->Text(), QStringLiteral("14.11.2025"));
    EXPECT_FALSE(edit->Kalender()->isVisible());

    // Browsing changes the edit at once; Reset brings back the date it had at opening.
    edit->SetzeDatum(QDate(2024, 3, 5));
    OeffneKalender();
    edit->Kalender()->setSelectedDate(QDate(2024, 3, 20));
    ASSERT_EQ(edit->Datum(), QDate(2024, 3, 20));
    QTest::mouseClick(edit->Kalender()->ResetKnopf(), Qt::LeftButton);
    EXPECT_EQ(edit->Text(), QStringLiteral("05.03.2024"));
    EXPECT_FALSE(edit->Kalender()->isVisible());

    // A second opening remembers afresh.
    edit->SetzeDatum(QDate(2023, 7, 1));
    OeffneKalender();
    edit->Kalender()->setSelectedDate(QDate(2023, 7, 9));
    QTest::mouseClick(edit->Kalender()->ResetKnopf(), Qt::LeftButton);
    EXPECT_EQ(edit->Datum(), QDate(2023, 7, 1));
}

} // namespace
