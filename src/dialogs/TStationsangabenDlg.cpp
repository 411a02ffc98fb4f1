#include "dialogs/TStationsangabenDlg.h"

#include "platform/Meldungen.h"
#include "platform/Pfade.h"
#include "platform/ProfilDatei.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>

namespace dialogs {

namespace {

// Upper case as it is typed, character by character, so the text keeps its length and the cursor
// stays where it was ("ß" has no single upper-case letter and stays as it is).
class GrossValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& eingabe, int&) const override {
        for (QChar& c : eingabe)
            c = c.toUpper();
        return Acceptable;
    }
};

QString AlsTooltip(const char* hinweis) {
    return QString::fromUtf8(hinweis).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

QString TitelNachSpeichern(const core::IniRecord& record, bool ssb) {
    return record.Kontestbezeichnung + QStringLiteral(" / ") + record.Stationscall +
           (ssb ? QStringLiteral(" (SSB) -") : QStringLiteral(" (CW) -")) +
           QStringLiteral("Tarvex");
}

QLineEdit* TStationsangabenDlg::NeuesFeld(const char* name) {
    auto* feld = new QLineEdit(this);
    feld->setObjectName(QString::fromLatin1(name));
    feld->installEventFilter(this);
    return feld;
}

TStationsangabenDlg::TStationsangabenDlg(core::IniRecord& record, std::function<void()> gespeichert,
                                         QWidget* eltern)
    : QDialog(eltern), record_(record), gespeichert_(std::move(gespeichert)) {
    setWindowTitle(QStringLiteral("Angaben zum Wettbewerb"));
    setModal(false);

    StationsCallEdit = NeuesFeld("StationsCallEdit");
    KontestnameEdit = NeuesFeld("KontestnameEdit");
    OperatorEdit = NeuesFeld("OperatorEdit");
    VANameEdit = NeuesFeld("VANameEdit");
    VAStrasseEdit = NeuesFeld("VAStrasseEdit");
    VAOrtEdit = NeuesFeld("VAOrtEdit");
    VATelefonEdit1 = NeuesFeld("VATelefonEdit1");
    VATelefonEdit2 = NeuesFeld("VATelefonEdit2");
    VAdokEdit = NeuesFeld("VAdokEdit");
    edtDistriktskenner = NeuesFeld("edtDistriktskenner");

    KontestnameEdit->setToolTip(AlsTooltip(KontestnameHinweis));
    OperatorEdit->setToolTip(AlsTooltip(OperatorHinweis));
    VAdokEdit->setToolTip(AlsTooltip(VAdokHinweis));
    VAdokEdit->setValidator(new GrossValidator(VAdokEdit));
    edtDistriktskenner->setValidator(new GrossValidator(edtDistriktskenner));
    edtDistriktskenner->setMaxLength(1);
    // One character can be typed; a longer value stored by hand in Log.ini is shown whole (so that
    // nothing changes unless the operator changes it) and the limit closes in as it is shortened.
    connect(edtDistriktskenner, &QLineEdit::textEdited, this, [this](const QString& text) {
        edtDistriktskenner->setMaxLength(std::max<int>(1, static_cast<int>(text.size())));
    });
    edtDistriktskenner->setMaximumWidth(
        edtDistriktskenner->fontMetrics().horizontalAdvance(QStringLiteral("WWWW")) + 12);

    OKBtn = new QPushButton(QStringLiteral("Speichern"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Abbrechen"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    connect(OKBtn, &QPushButton::clicked, this, &TStationsangabenDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TStationsangabenDlg::CancelBtnClick);

    const auto beschriftet = [this](QGridLayout* raster, int zeile, const char* text,
                                    QWidget* feld) {
        auto* label = new QLabel(QString::fromUtf8(text), this);
        label->setBuddy(feld);
        raster->addWidget(label, zeile, 0);
        raster->addWidget(feld, zeile, 1);
    };

    auto* oben = new QGridLayout;
    beschriftet(oben, 0, "Rufzeichen der Station:", StationsCallEdit);
    beschriftet(oben, 1, "Art des Kontest:", KontestnameEdit);
    beschriftet(oben, 2, "Operator(s)", OperatorEdit);
    oben->setColumnMinimumWidth(1, 260);

    auto* gruppe = new QGroupBox(QStringLiteral(" Verantwortlicher "), this);
    auto* raster = new QGridLayout(gruppe);
    beschriftet(raster, 0, "Name:", VANameEdit);
    beschriftet(raster, 1, "Straße:", VAStrasseEdit);
    beschriftet(raster, 2, "PLZ / Ort:", VAOrtEdit);
    beschriftet(raster, 3, "Telefon (gesch.):", VATelefonEdit1);
    beschriftet(raster, 4, "Telefon (privat):", VATelefonEdit2);
    beschriftet(raster, 5, "Eigener DOK", VAdokEdit);

    auto* distrikt = new QHBoxLayout;
    auto* distriktLabel = new QLabel(QStringLiteral("Distriktskenner"), this);
    distriktLabel->setBuddy(edtDistriktskenner);
    distrikt->addWidget(distriktLabel);
    distrikt->addWidget(edtDistriktskenner);
    distrikt->addWidget(new QLabel(QStringLiteral("(Veranstalter)"), this));
    distrikt->addStretch();

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(OKBtn);
    knoepfe->addWidget(CancelBtn);

    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(oben);
    spalte->addWidget(gruppe);
    spalte->addLayout(distrikt);
    spalte->addLayout(knoepfe);
    spalte->setSizeConstraint(QLayout::SetFixedSize);

    const QWidget* reihenfolge[] = {StationsCallEdit, KontestnameEdit,    VANameEdit,
                                    VAStrasseEdit,    VAOrtEdit,          VATelefonEdit1,
                                    VATelefonEdit2,   VAdokEdit,          OKBtn,
                                    CancelBtn,        edtDistriktskenner, OperatorEdit};
    for (std::size_t i = 1; i < std::size(reihenfolge); ++i)
        setTabOrder(const_cast<QWidget*>(reihenfolge[i - 1]), const_cast<QWidget*>(reihenfolge[i]));

    FormCreate();
    OKBtn->setFocus();
}

void TStationsangabenDlg::FormCreate() {
    StationsCallEdit->setText(record_.Stationscall);
    KontestnameEdit->setText(record_.Kontestbezeichnung);
    VANameEdit->setText(record_.FDmanagerName);
    VAStrasseEdit->setText(record_.FDmanagerStr);
    VAOrtEdit->setText(record_.FDmanagerOrt);
    VATelefonEdit1->setText(record_.FDmanagerTelGesch);
    VATelefonEdit2->setText(record_.FDmanagerTelPrivat);
    VAdokEdit->setText(record_.FDmanagerDOK);
    edtDistriktskenner->setMaxLength(
        std::max<int>(1, static_cast<int>(record_.Distriktskenner.size())));
    edtDistriktskenner->setText(record_.Distriktskenner);
    OperatorEdit->setText(record_.Operators);
    DatenVeraendert = false;
}

bool TStationsangabenDlg::AenderungPruefen() const {
    return StationsCallEdit->text() != record_.Stationscall ||
           KontestnameEdit->text() != record_.Kontestbezeichnung ||
           VANameEdit->text() != record_.FDmanagerName ||
           VAStrasseEdit->text() != record_.FDmanagerStr ||
           VAOrtEdit->text() != record_.FDmanagerOrt ||
           VATelefonEdit1->text() != record_.FDmanagerTelGesch ||
           VATelefonEdit2->text() != record_.FDmanagerTelPrivat ||
           edtDistriktskenner->text() != record_.Distriktskenner ||
           OperatorEdit->text() != record_.Operators;
}

void TStationsangabenDlg::StationsCallEditExit() {
    DatenVeraendert = AenderungPruefen();
}
void TStationsangabenDlg::KontestnameEditExit() {
    DatenVeraendert = AenderungPruefen();
}
void TStationsangabenDlg::VANameEditExit() {
    DatenVeraendert = AenderungPruefen();
}
void TStationsangabenDlg::VAStrasseEditExit() {
    DatenVeraendert = AenderungPruefen();
}
void TStationsangabenDlg::VAOrtEditExit() {
    DatenVeraendert = AenderungPruefen();
}
void TStationsangabenDlg::VATelefonEdit1Exit() {
    DatenVeraendert = AenderungPruefen();
}
void TStationsangabenDlg::VATelefonEdit2Exit() {
    DatenVeraendert = AenderungPruefen();
}
void TStationsangabenDlg::edtDistriktskennerExit() {
    DatenVeraendert = AenderungPruefen();
}

bool TStationsangabenDlg::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::FocusOut) {
        // Going to another window (a message box, the main window) is not leaving the field.
        const auto grund = static_cast<QFocusEvent*>(ereignis)->reason();
        if (grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason) {
            if (objekt == StationsCallEdit)
                StationsCallEditExit();
            else if (objekt == KontestnameEdit || objekt == OperatorEdit)
                KontestnameEditExit();
            else if (objekt == VANameEdit)
                VANameEditExit();
            else if (objekt == VAStrasseEdit)
                VAStrasseEditExit();
            else if (objekt == VAOrtEdit)
                VAOrtEditExit();
            else if (objekt == VATelefonEdit1)
                VATelefonEdit1Exit();
            else if (objekt == VATelefonEdit2 || objekt == VAdokEdit)
                VATelefonEdit2Exit();
            else if (objekt == edtDistriktskenner)
                edtDistriktskennerExit();
        }
    }
    return QDialog::eventFilter(objekt, ereignis);
}

QString UnerlaubtMeldung(const QString& feld) {
    return QStringLiteral("Im Feld \"%1\" sind \";\" und Zeilenumbrüche nicht erlaubt.").arg(feld);
}

bool TStationsangabenDlg::FelderPruefen() {
    // The own DOK goes into every line of LOG.TXT, the others into the exports; none of those
    // files can carry a ";" or a line break inside a value.
    const std::pair<QLineEdit*, const char*> felder[] = {
        {StationsCallEdit, "Rufzeichen der Station"},
        {KontestnameEdit, "Art des Kontest"},
        {OperatorEdit, "Operator(s)"},
        {VANameEdit, "Name"},
        {VAStrasseEdit, "Straße"},
        {VAOrtEdit, "PLZ / Ort"},
        {VATelefonEdit1, "Telefon (gesch.)"},
        {VATelefonEdit2, "Telefon (privat)"},
        {VAdokEdit, "Eigener DOK"},
        {edtDistriktskenner, "Distriktskenner"},
    };
    for (const auto& [feld, name] : felder) {
        const QString& text = feld->text();
        if (text.contains(u';') || text.contains(u'\r') || text.contains(u'\n')) {
            platform::Meldungen::Instanz().Zeige(UnerlaubtMeldung(QString::fromUtf8(name)));
            feld->setFocus();
            feld->selectAll();
            return false;
        }
    }
    return true;
}

void TStationsangabenDlg::OKBtnClick() {
    if (!FelderPruefen())
        return;
    record_.Stationscall = StationsCallEdit->text();
    record_.Kontestbezeichnung = KontestnameEdit->text();
    record_.FDmanagerName = VANameEdit->text();
    record_.FDmanagerStr = VAStrasseEdit->text();
    record_.FDmanagerOrt = VAOrtEdit->text();
    record_.FDmanagerTelGesch = VATelefonEdit1->text();
    record_.FDmanagerTelPrivat = VATelefonEdit2->text();
    record_.FDmanagerDOK = VAdokEdit->text();
    record_.Distriktskenner = edtDistriktskenner->text();
    record_.Operators = OperatorEdit->text();

    // A failed write raises platform::Fehler, which the program's error handler reports; the
    // dialog then stays open.
    platform::IniDatei ini(platform::EinstellungsDatei());
    core::StationsangabenSchreiben(ini, record_);
    if (gespeichert_)
        gespeichert_();
    hide();
}

void TStationsangabenDlg::CancelBtnClick() {
    if (DatenVeraendert) {
        if (platform::Meldungen::Instanz().Warnung(QString::fromUtf8(VerwerfenFrage),
                                                   platform::Knoepfe::OkAbbrechen) !=
            platform::Knopf::Ok)
            return;
        FormCreate();
    }
    hide();
}

void TStationsangabenDlg::hideEvent(QHideEvent* ereignis) {
    QDialog::hideEvent(ereignis);
    // The keyboard goes back to the main window, also where no window manager hands it back;
    // that return is what brings up the start hints again.
    if (QWidget* haupt = parentWidget(); haupt && haupt->isVisible())
        haupt->activateWindow();
}

void TStationsangabenDlg::reject() {
    CancelBtnClick();
}

void TStationsangabenDlg::closeEvent(QCloseEvent* ereignis) {
    ereignis->accept();
    hide();
}

} // namespace dialogs
