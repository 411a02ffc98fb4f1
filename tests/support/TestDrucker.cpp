#include "support/TestDrucker.h"
#include "platform/Fehler.h"

#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>
#include <cmath>

namespace testsupport {

QStringList GedruckteSeite::Texte() const {
    QStringList t;
    for (const auto& g : texte)
        t << g.text;
    return t;
}

class AufzeichnungsGeraet::Engine final : public QPaintEngine {
public:
    explicit Engine(AufzeichnungsGeraet& geraet) : QPaintEngine(AllFeatures), geraet_(geraet) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& zustand) override {
        if (zustand.state() & DirtyTransform)
            transform_ = zustand.transform();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        geraet_.seiten.back().texte.push_back(
            {transform_.map(p), item.text(), item.font().pixelSize() * transform_.m22()});
    }
    void drawLines(const QLineF*, int anzahl) override { geraet_.seiten.back().linien += anzahl; }
    void drawLines(const QLine*, int anzahl) override { geraet_.seiten.back().linien += anzahl; }
    void drawPolygon(const QPointF* punkte, int anzahl, PolygonDrawMode modus) override {
        if (modus == PolylineMode)
            geraet_.seiten.back().linien += anzahl - 1;
        (void)punkte;
    }
    void drawPolygon(const QPoint* punkte, int anzahl, PolygonDrawMode modus) override {
        if (modus == PolylineMode)
            geraet_.seiten.back().linien += anzahl - 1;
        (void)punkte;
    }
    void drawRects(const QRectF*, int anzahl) override {
        geraet_.seiten.back().rechtecke += anzahl;
    }
    void drawRects(const QRect*, int anzahl) override { geraet_.seiten.back().rechtecke += anzahl; }
    void drawPath(const QPainterPath&) override {}
    Type type() const override { return User; }

private:
    AufzeichnungsGeraet& geraet_;
    QTransform transform_;
};

AufzeichnungsGeraet::AufzeichnungsGeraet(QSize groesse, int dpiX, int dpiY)
    : groesse_(groesse), dpiX_(dpiX), dpiY_(dpiY), engine_(std::make_unique<Engine>(*this)) {}

AufzeichnungsGeraet::~AufzeichnungsGeraet() = default;

QPaintEngine* AufzeichnungsGeraet::paintEngine() const {
    return engine_.get();
}

int AufzeichnungsGeraet::metric(PaintDeviceMetric m) const {
    switch (m) {
    case PdmWidth:
        return groesse_.width();
    case PdmHeight:
        return groesse_.height();
    case PdmWidthMM:
        return qRound(groesse_.width() * 25.4 / dpiX_);
    case PdmHeightMM:
        return qRound(groesse_.height() * 25.4 / dpiY_);
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmPhysicalDpiX:
        return dpiX_;
    case PdmDpiY:
    case PdmPhysicalDpiY:
        return dpiY_;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    }
    return 0;
}

namespace {

class Auftrag final : public platform::Druckauftrag {
public:
    Auftrag(TestDrucker& drucker, const platform::Druckerdaten& d)
        : drucker_(drucker), dpiX_(d.dpiX), dpiY_(d.dpiY),
          geraet_(d.papier - QSize(2 * d.versatz.x(), 2 * d.versatz.y()), d.dpiX, d.dpiY) {
        painter_.begin(&geraet_);
    }
    ~Auftrag() override {
        if (painter_.isActive())
            painter_.end();
    }
    QPainter& Painter() override { return painter_; }
    int DpiX() const override { return dpiX_; }
    int DpiY() const override { return dpiY_; }
    void NeueSeite() override {
        Merke();
        geraet_.NeueSeite();
        if (drucker_.nachSeite)
            drucker_.nachSeite(int(geraet_.seiten.size()) - 1);
    }
    void Ende() override {
        painter_.end();
        Merke();
        if (drucker_.nachSeite)
            drucker_.nachSeite(int(geraet_.seiten.size()));
        if (drucker_.endeScheitert)
            throw platform::Fehler(QStringLiteral("The print job could not be sent"));
        drucker_.auftraege.back().beendet = true;
    }
    void Abbrechen() override {
        painter_.end();
        Merke();
        drucker_.auftraege.back().abgebrochen = true;
    }

private:
    void Merke() { drucker_.auftraege.back().seiten = geraet_.seiten; }

    TestDrucker& drucker_;
    int dpiX_;
    int dpiY_;
    AufzeichnungsGeraet geraet_;
    QPainter painter_;
};

} // namespace

TestDrucker::TestDrucker() {
    platform::Druckerdaten d;
    d.dpiX = d.dpiY = 600;
    d.papier = QSize(4960, 7016);
    d.versatz = QPoint(100, 100);
    daten = d;
    platform::Drucker::SetzeInstanz(this);
}

TestDrucker::~TestDrucker() {
    platform::Drucker::SetzeInstanz(nullptr);
}

std::optional<platform::Druckerdaten> TestDrucker::Standarddrucker(bool quer) {
    if (!daten || !quer)
        return daten;
    platform::Druckerdaten d = *daten;
    d.papier.transpose();
    d.versatz = QPoint(d.versatz.y(), d.versatz.x());
    return d;
}

platform::Schriftmetrik TestDrucker::Metrik(const QFont& font) {
    const int px = font.pixelSize();
    return {int(std::lround(px * 1.1)), int(std::lround(px * 0.8)), externerDurchschuss};
}

int TestDrucker::Textbreite(const QFont& font, QStringView text) {
    ++textbreitenAufrufe;
    return int(std::lround(text.size() * 0.6 * font.pixelSize()));
}

std::unique_ptr<platform::Druckauftrag> TestDrucker::Starte(const QString& titel, bool quer) {
    const auto d = Standarddrucker(quer);
    if (!d)
        throw platform::Fehler(QStringLiteral("There is no default printer currently selected"));
    TestAuftrag a;
    a.titel = titel;
    a.kopien = kopien;
    auftraege.push_back(a);
    return std::make_unique<Auftrag>(*this, *d);
}

} // namespace testsupport
