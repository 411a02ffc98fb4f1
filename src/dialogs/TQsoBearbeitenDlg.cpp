#include "dialogs/TQsoBearbeitenDlg.h"

#include "core/Betriebsart.h"
#include "core/LogDatei.h"
#include "platform/Meldungen.h"
#include "widgets/MaskEdit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

namespace dialogs {

namespace {

const QStringList Baender = {QStringLiteral("80"), QStringLiteral("40"), QStringLiteral("10"),
                             QStringLiteral("2"), QStringLiteral("0.70")};

// A choice of the contest's texts; a value of a hand-edited log that is none of them is offered
// as well, so that it stays what it was unless the operator picks another.
QComboBox* Auswahl(const QStringList& texte, const QString& wert, QWidget* eltern) {
    auto* box = new QComboBox(eltern);
    box->addItems(texte);
    if (!texte.contains(wert))
        box->addItem(wert);
    box->setCurrentText(wert);
    return box;
}

} // namespace

std::optional<core::Kontest::Korrektur> QsoLoeschenNachFrage(core::Kontest& kontest, int qso) {
    auto& meldungen = platform::Meldungen::Instanz();
    // Enter on the question keeps the QSO: only a deliberate "Ja" deletes it.
    if (meldungen.Frage(QString::fromUtf8(LoeschenFrage), platform::Knoepfe::JaNeinVorsicht) !=
        platform::Knopf::Ja)
        return std::nullopt;
    core::Kontest::Korrektur k = kontest.QsoLoeschen(qso);
    if (!k.ok)
        meldungen.Zeige(k.meldung);
    return k;
}

TQsoBearbeitenDlg::TQsoBearbeitenDlg(core::Kontest& kontest, int qso, QWidget* eltern)
    : QDialog(eltern), kontest_(kontest), qso_(qso) {
    setObjectName(QStringLiteral("QsoBearbeitenDlg"));
    setWindowTitle(QStringLiteral("QSO bearbeiten"));
    setModal(true);
    const core::QsoWerte q = kontest.Log.Qso(qso);

    // The fields take what the entry mask takes, and a longer value of a hand-edited log whole.
    const auto feld = [this](const QString& wert, int laenge, bool gross, const char* name) {
        auto* f = new widgets::TMaskEdit(this);
        f->setObjectName(QString::fromLatin1(name));
        f->SetzeMaxLaenge(std::max(laenge, static_cast<int>(wert.size())));
        f->SetzeGrossbuchstaben(gross);
        f->SetzeText(wert);
        return f;
    };
    CallEdit = feld(q.Call, 13, true, "CallEdit");
    RstAusEdit = feld(q.RstAus, 3, true, "RstAusEdit");
    RstEinEdit = feld(q.RstEin, 3, true, "RstEinEdit");
    DokEinEdit = feld(core::Getrimmt(q.DokEin), 8, true, "DokEinEdit");
    BandBox = Auswahl(Baender, q.Band, this);
    BandBox->setObjectName(QStringLiteral("BandBox"));
    BemerkungEdit = feld(q.Bemerkung, 27, false, "BemerkungEdit");
    QStringList modi;
    for (const core::Betriebsart art : core::AlleBetriebsarten)
        modi << QString::fromLatin1(core::Daten(art).menu);
    ModeBox = Auswahl(modi, q.Mode, this);
    ModeBox->setObjectName(QStringLiteral("ModeBox"));
    DatumEdit = feld(q.Datum, 10, false, "DatumEdit");
    ZeitEdit = feld(q.Zeit, 8, false, "ZeitEdit");
    DokAusEdit = feld(q.DokAus, 8, true, "DokAusEdit");

    SpeichernBtn = new QPushButton(QStringLiteral("&Speichern"), this);
    SpeichernBtn->setObjectName(QStringLiteral("SpeichernBtn"));
    SpeichernBtn->setDefault(true);
    LoeschenBtn = new QPushButton(QStringLiteral("&Löschen"), this);
    LoeschenBtn->setObjectName(QStringLiteral("LoeschenBtn"));
    AbbrechenBtn = new QPushButton(QStringLiteral("Abbrechen"), this);
    AbbrechenBtn->setObjectName(QStringLiteral("AbbrechenBtn"));
    connect(SpeichernBtn, &QPushButton::clicked, this, &TQsoBearbeitenDlg::SpeichernBtnClick);
    connect(LoeschenBtn, &QPushButton::clicked, this, &TQsoBearbeitenDlg::LoeschenBtnClick);
    connect(AbbrechenBtn, &QPushButton::clicked, this, &QDialog::reject);

    // Named as the list and the entry mask name them, in the order the keyboard walks them.
    using F = core::QsoFeld;
    const std::tuple<const char*, F, QWidget*> reihe[] = {
        {"Call", F::Call, CallEdit},
        {"RST gegeben", F::RstAus, RstAusEdit},
        {"RST erhalten", F::RstEin, RstEinEdit},
        {"DOK erhalten", F::DokEin, DokEinEdit},
        {"Band", F::Band, BandBox},
        {"Bemerkung", F::Bemerkung, BemerkungEdit},
        {"Mode", F::Mode, ModeBox},
        {"Datum", F::Datum, DatumEdit},
        {"Zeit", F::Zeit, ZeitEdit},
        {"DOK gegeben", F::DokAus, DokAusEdit}};
    auto* formular = new QFormLayout;
    QWidget* vorige = nullptr;
    for (const auto& [text, f, w] : reihe) {
        felder_[static_cast<size_t>(f)] = w;
        auto* label = new QLabel(QString::fromLatin1(text), this);
        label->setBuddy(w);
        formular->addRow(label, w);
        if (vorige)
            QWidget::setTabOrder(vorige, w);
        vorige = w;
    }
    for (QWidget* knopf : {SpeichernBtn, LoeschenBtn, AbbrechenBtn}) {
        QWidget::setTabOrder(vorige, knopf);
        vorige = knopf;
    }
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(SpeichernBtn);
    knoepfe->addWidget(LoeschenBtn);
    knoepfe->addStretch();
    knoepfe->addWidget(AbbrechenBtn);
    auto* aussen = new QVBoxLayout(this);
    aussen->addLayout(formular);
    aussen->addSpacing(8);
    aussen->addLayout(knoepfe);
    setFixedSize(sizeHint().expandedTo(QSize(320, 0)));

    // The keyboard starts in Call, its text ready to be typed over as after a Tab.
    CallEdit->setFocus();
    CallEdit->selectAll();
}

core::QsoWerte TQsoBearbeitenDlg::Werte() const {
    core::QsoWerte q;
    const auto werte = q.Felder();
    for (size_t i = 0; i < felder_.size(); ++i) {
        if (const auto* edit = qobject_cast<const widgets::TMaskEdit*>(felder_[i]))
            *werte[i] = edit->Text();
        else
            *werte[i] = static_cast<const QComboBox*>(felder_[i])->currentText();
    }
    return q;
}

QWidget* TQsoBearbeitenDlg::Feld(core::QsoFeld feld) const {
    return felder_[static_cast<size_t>(feld)];
}

void TQsoBearbeitenDlg::SpeichernBtnClick() {
    const core::Kontest::Korrektur k = kontest_.QsoErsetzen(qso_, Werte());
    if (!k.ok) {
        platform::Meldungen::Instanz().Zeige(k.meldung);
        // The keyboard goes to the field the refusal is about, its text ready to be typed over.
        if (k.feld >= 0) {
            QWidget* f = Feld(static_cast<core::QsoFeld>(k.feld));
            f->setFocus(Qt::TabFocusReason);
            if (auto* edit = qobject_cast<widgets::TMaskEdit*>(f))
                edit->selectAll();
        }
        return;
    }
    korrektur_ = k;
    ausgang_ = Ausgang::Geaendert;
    accept();
}

void TQsoBearbeitenDlg::LoeschenBtnClick() {
    const std::optional<core::Kontest::Korrektur> k = QsoLoeschenNachFrage(kontest_, qso_);
    if (!k || !k->ok)
        return;
    korrektur_ = *k;
    ausgang_ = Ausgang::Geloescht;
    accept();
}

} // namespace dialogs
