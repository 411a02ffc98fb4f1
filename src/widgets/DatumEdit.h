// The contest-date edit: a date edit with a drop-down calendar whose buttons set today or go back
// to the date the edit had when the calendar was opened.
#pragma once

#include <QCalendarWidget>
#include <QDate>
#include <QDateEdit>
#include <QString>

class QPushButton;

namespace widgets {

// The drop-down calendar with the two buttons "Heute" and "Reset" below the month.
class TDatumKalender : public QCalendarWidget {
    Q_OBJECT
public:
    explicit TDatumKalender(QWidget* eltern = nullptr);
    QPushButton* HeuteKnopf() const { return heute_; }
    QPushButton* ResetKnopf() const { return reset_; }

signals:
    void Geoeffnet();
    void HeuteGewaehlt();
    void ResetGewaehlt();

protected:
    void showEvent(QShowEvent* e) override;

private:
    QPushButton* heute_;
    QPushButton* reset_;
};

class TDatumEdit : public QDateEdit {
    Q_OBJECT
public:
    explicit TDatumEdit(QWidget* eltern = nullptr);

    void SetzeDatum(QDate datum);
    QDate Datum() const { return date(); }
    // The date as shown, "dd.mm.yyyy". It is built from the date the edit holds, so a date that
    // is half typed over is never what a QSO records.
    QString Text() const;
    TDatumKalender* Kalender() const { return kalender_; }
    // Drops the calendar down, as a click on the arrow does; F4 and Alt+Down do it from the
    // keyboard.
    void OeffneKalender();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    // Tab leaves the field as in every other field of the mask, instead of walking its sections.
    bool focusNextPrevChild(bool next) override;

private:
    void Heute();
    void Reset();
    void SchliesseKalender();

    TDatumKalender* kalender_;
    QDate beimOeffnen_;
};

} // namespace widgets
