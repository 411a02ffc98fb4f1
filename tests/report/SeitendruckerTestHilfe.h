// What the page printer tests share: a page printer on a 600 dpi test printer (A4, a border of
// 100 pixels, a monospaced font 0.6 of its pixel size wide) and readers of the recorded pages.
#pragma once

#include "report/PagePrinter.h"
#include "support/TestDrucker.h"
#include "support/TestUmgebung.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace seitendrucker_test {

using namespace report;

inline std::vector<TextBefehl> TexteAuf(const TSeitenBild& seite) {
    std::vector<TextBefehl> t;
    for (const auto& b : seite.Befehle())
        if (const auto* text = std::get_if<TextBefehl>(&b))
            t.push_back(*text);
    return t;
}

inline std::vector<LinienBefehl> LinienAuf(const TSeitenBild& seite) {
    std::vector<LinienBefehl> l;
    for (const auto& b : seite.Befehle())
        if (const auto* linie = std::get_if<LinienBefehl>(&b))
            l.push_back(*linie);
    return l;
}

// The first text drawn on the page that reads exactly so; fails the test if there is none.
inline TextBefehl TextAuf(const TSeitenBild& seite, const QString& text) {
    for (const auto& t : TexteAuf(seite))
        if (t.text == text)
            return t;
    ADD_FAILURE() << "no text \"" << text.toStdString() << "\" on the page; there are: "
                  << seite.Texte().join(QStringLiteral(" / ")).toStdString();
    return {};
}

class SeitendruckerTest : public ::testing::Test {
protected:
    SeitendruckerTest() { pp = std::make_unique<TPagePrinter>(); }

    // A fresh page printer after the test printer was changed.
    void NeuerSeitendrucker() { pp = std::make_unique<TPagePrinter>(); }

    // Margins of one inch all round: TopPx 500, usable height 5816, usable width 3760.
    void ZollRaender() {
        pp->SetMarginTop(1);
        pp->SetMarginBottom(1);
        pp->SetMarginLeft(1);
        pp->SetMarginRight(1);
    }

    // Width of n characters of the 10 point table font (83 pixels) on the test printer.
    static int Zeichen(int n) { return int(std::lround(n * 0.6 * 83)); }

    testsupport::TestDrucker drucker;
    std::unique_ptr<TPagePrinter> pp;
};

} // namespace seitendrucker_test
