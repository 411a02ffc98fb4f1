#include "dialogs/TLogFormInfo.h"

#include "dialogs/DialogStil.h"
#include "dialogs/Hinweise.h"
#include "platform/Shell.h"
#include "platform/Version.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>
#include <QUrlQuery>
#include <array>
#include <functional>

namespace dialogs {

namespace {

constexpr int Breite = 319;
constexpr int Hoehe = 493;
constexpr int BildBreite = 321;
constexpr int BildHoehe = 212;

// A label that acts like a link: underlined, a hand over it, a click runs the action.
class LinkLabel final : public QLabel {
public:
    LinkLabel(const QString& text, std::function<void()> aktion, QWidget* eltern)
        : QLabel(text, eltern), aktion_(std::move(aktion)) {
        setTextFormat(Qt::PlainText);
        setCursor(Qt::PointingHandCursor);
        QFont schrift = font();
        schrift.setUnderline(true);
        setFont(schrift);
    }

protected:
    void mousePressEvent(QMouseEvent* ereignis) override { ereignis->accept(); }
    void mouseReleaseEvent(QMouseEvent* ereignis) override {
        ereignis->accept();
        if (ereignis->button() == Qt::LeftButton && rect().contains(ereignis->position().toPoint()))
            aktion_();
    }

private:
    std::function<void()> aktion_;
};

} // namespace

QImage InfoBild() {
    QImage bild(BildBreite, BildHoehe, QImage::Format_RGB888);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);

    // Evening sky, dark above, the last light at the horizon.
    QLinearGradient himmel(0, 0, 0, 160);
    himmel.setColorAt(0.0, QColor(0x0A, 0x16, 0x3C));
    himmel.setColorAt(0.6, QColor(0x3A, 0x3E, 0x7A));
    himmel.setColorAt(1.0, QColor(0xF2, 0x9A, 0x58));
    p.fillRect(bild.rect(), himmel);

    // A fixed scatter of stars, the same in every run.
    p.setPen(Qt::NoPen);
    quint32 zufall = 20260417u;
    for (int i = 0; i < 40; ++i) {
        zufall = zufall * 1103515245u + 12345u;
        const int x = static_cast<int>((zufall >> 8) % BildBreite);
        zufall = zufall * 1103515245u + 12345u;
        const int y = static_cast<int>((zufall >> 8) % 90);
        const int hell = 150 + static_cast<int>((zufall >> 4) % 100);
        p.setBrush(QColor(hell, hell, 255));
        p.drawEllipse(QPointF(x, y), 0.8, 0.8);
    }

    // Crescent moon: the full disc less an offset one, so the sky shows through the dark side.
    QPainterPath scheibe, schatten;
    scheibe.addEllipse(QPointF(46, 34), 14, 14);
    schatten.addEllipse(QPointF(52, 30), 13, 13);
    p.setBrush(QColor(0xFF, 0xF4, 0xC8));
    p.drawPath(scheibe.subtracted(schatten));

    // Radio waves from the beam, drawn before the mast so that it stands in front.
    const QPointF beam(214, 44);
    for (int ring = 1; ring <= 4; ++ring) {
        const double r = 18.0 * ring;
        QPen welle(QColor(0xFF, 0xE8, 0x90, 200 - ring * 40), 2.0);
        p.setPen(welle);
        p.setBrush(Qt::NoBrush);
        const QRectF kreis(beam.x() - r, beam.y() - r, 2 * r, 2 * r);
        p.drawArc(kreis, -35 * 16, 70 * 16);
        p.drawArc(kreis, 145 * 16, 70 * 16);
    }

    // Two rows of hills.
    p.setPen(Qt::NoPen);
    QPainterPath hinten;
    hinten.moveTo(0, 150);
    hinten.cubicTo(60, 118, 120, 140, 170, 128);
    hinten.cubicTo(230, 114, 280, 136, BildBreite, 124);
    hinten.lineTo(BildBreite, BildHoehe);
    hinten.lineTo(0, BildHoehe);
    hinten.closeSubpath();
    p.setBrush(QColor(0x2A, 0x3A, 0x52));
    p.drawPath(hinten);

    QPainterPath vorn;
    vorn.moveTo(0, 178);
    vorn.cubicTo(80, 156, 150, 170, 214, 164);
    vorn.cubicTo(260, 160, 300, 172, BildBreite, 168);
    vorn.lineTo(BildBreite, BildHoehe);
    vorn.lineTo(0, BildHoehe);
    vorn.closeSubpath();
    QLinearGradient wiese(0, 160, 0, BildHoehe);
    wiese.setColorAt(0.0, QColor(0x1E, 0x40, 0x2C));
    wiese.setColorAt(1.0, QColor(0x0C, 0x1E, 0x14));
    p.setBrush(wiese);
    p.drawPath(vorn);

    // Lattice mast: two legs narrowing to the top, zigzag bracing between them.
    const QColor stahl(0x16, 0x18, 0x20);
    const double fuss = 166, spitze = 50, mitte = 214;
    auto links = [&](double y) { return mitte - 3 - 10 * (y - spitze) / (fuss - spitze); };
    auto rechts = [&](double y) { return mitte + 3 + 10 * (y - spitze) / (fuss - spitze); };
    p.setPen(QPen(stahl, 1.8));
    p.drawLine(QPointF(links(spitze), spitze), QPointF(links(fuss), fuss));
    p.drawLine(QPointF(rechts(spitze), spitze), QPointF(rechts(fuss), fuss));
    p.setPen(QPen(stahl, 1.0));
    for (double y = spitze; y + 12 <= fuss; y += 12) {
        p.drawLine(QPointF(links(y), y), QPointF(rechts(y + 12), y + 12));
        p.drawLine(QPointF(rechts(y), y), QPointF(links(y + 12), y + 12));
    }

    // Guy wires.
    p.setPen(QPen(QColor(0x50, 0x58, 0x68), 0.7));
    p.drawLine(QPointF(mitte, 80), QPointF(160, 168));
    p.drawLine(QPointF(mitte, 80), QPointF(272, 166));

    // The beam on top: boom, mast pipe and elements.
    p.setPen(QPen(stahl, 1.6));
    p.drawLine(QPointF(mitte, spitze), QPointF(mitte, 38));
    p.drawLine(QPointF(mitte - 30, 40), QPointF(mitte + 30, 40));
    for (const auto& [x, halb] : std::array<std::pair<double, double>, 4>{
             {{mitte - 28, 14}, {mitte - 10, 12}, {mitte + 8, 11}, {mitte + 26, 10}}})
        p.drawLine(QPointF(x, 40 - halb), QPointF(x, 40 + halb));

    // Warning light.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0x30, 0x20));
    p.drawEllipse(QPointF(mitte, 36), 2.2, 2.2);

    // The shack with its lit window and the feed line to the mast.
    p.setBrush(QColor(0x3C, 0x2A, 0x22));
    p.drawRect(QRectF(70, 150, 46, 26));
    QPainterPath dach;
    dach.moveTo(64, 151);
    dach.lineTo(93, 134);
    dach.lineTo(122, 151);
    dach.closeSubpath();
    p.setBrush(QColor(0x5A, 0x22, 0x1C));
    p.drawPath(dach);
    p.setBrush(QColor(0xFF, 0xD8, 0x60));
    p.drawRect(QRectF(80, 156, 12, 10));
    p.drawRect(QRectF(98, 156, 10, 10));
    p.setPen(QPen(QColor(0x10, 0x10, 0x10), 1.0));
    p.setBrush(Qt::NoBrush);
    QPainterPath kabel;
    kabel.moveTo(116, 158);
    kabel.quadTo(165, 176, mitte - 6, 150);
    p.drawPath(kabel);

    return bild;
}

TLogFormInfo::TLogFormInfo(QWidget* hauptfenster)
    : QDialog(hauptfenster, Qt::Dialog | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("Info"));
    setFixedSize(Breite, Hoehe);
    VerschiebbarMachen(*this);

    const QColor weiss(Qt::white);
    auto* name = Beschriftung(QStringLiteral("Tarvex"), 28, true, weiss, this);
    name->setAlignment(Qt::AlignCenter);
    name->setGeometry(0, 8, Breite, 52);

    auto* version =
        Beschriftung(QStringLiteral("Version: ") + QString::fromLatin1(platform::DateiVersion), 10,
                     false, weiss, this);
    version->setAlignment(Qt::AlignCenter);
    version->setGeometry(0, 62, Breite, 18);
    auto* jahr = Beschriftung(QStringLiteral("für das Jahr ") +
                                  QString::fromLatin1(platform::ProduktVersion),
                              10, false, weiss, this);
    jahr->setAlignment(Qt::AlignCenter);
    jahr->setGeometry(0, 80, Breite, 18);

    auto* text = Beschriftung(AnzeigeText(InfoText()), 9, false, weiss, this);
    text->setObjectName(QStringLiteral("lblInfoText"));
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setGeometry(18, 108, Breite - 36, 134);

    auto* email = new LinkLabel(
        QStringLiteral("Email: ") + QString::fromLatin1(SupportName), [this] { lblEmailClick(); },
        this);
    email->setObjectName(QStringLiteral("lblEmail"));
    QPalette linkFarbe = email->palette();
    linkFarbe.setColor(QPalette::WindowText, QColor(0xFF, 0xF0, 0x90));
    email->setPalette(linkFarbe);
    email->setGeometry(18, 248, 180, 22);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    ok->setGeometry(Breite - 18 - 80, 245, 80, 28);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    // The picture is two pixels wider than the window; it is centred and loses one at each side.
    auto* bild = new QLabel(this);
    bild->setObjectName(QStringLiteral("imgInfoBild"));
    bild->setPixmap(QPixmap::fromImage(InfoBild()));
    bild->setGeometry((Breite - BildBreite) / 2, Hoehe - BildHoehe, BildBreite, BildHoehe);
}

void TLogFormInfo::lblEmailClick() {
    QUrl adresse;
    adresse.setScheme(QStringLiteral("mailto"));
    adresse.setPath(QString::fromLatin1(SupportAdresse));
    QUrlQuery abfrage;
    abfrage.addQueryItem(QStringLiteral("subject"), QString::fromLatin1(SupportBetreff));
    adresse.setQuery(abfrage);
    platform::Shell::Instanz().OeffneAdresse(adresse);
}

void TLogFormInfo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    BlauerVerlauf(p, rect());
}

void TLogFormInfo::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    if (QWidget* eltern = parentWidget())
        ZentriereUeber(*this, *eltern);
}

} // namespace dialogs
