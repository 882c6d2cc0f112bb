// The information form: its two text pages and the "jakgrac" toggle they show through. The
// toggle is a paper panel with two tabs; the form blends the current page into the panel's
// window, so the pages are text on a clear ground and take the panel's colour.

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "draw_kit.h"
#include "interface_pictures.h"

namespace datagen {

namespace {

using kit::Box;
using kit::Rgb;

struct Block {
    std::string_view Text;  // pango markup
    double Size;            // design pixels
    bool Heading;
    double SpaceAfter;  // design pixels
};

constexpr Block AboutText[] = {
    {"Vimbaro", 46, true, 2},
    {"<i>Gra logopedyczna dla dzieci – część II</i>", 19, false, 22},
    {"Vimbaro to obrazkowa gra, w której dziecko ćwiczy wymowę trzech głosek: <b>l</b>, "
     "<b>r</b> i <b>j</b>. Na wyższych poziomach dochodzą litery, liczenie oraz dodawanie i "
     "odejmowanie w zakresie dziesięciu.",
     19, false, 14},
    {"Ćwiczenia korzystają z 397 ilustrowanych słów oraz z liter, cyfr, liczebników i znaków. "
     "Każde zadanie zaczyna się od polecenia czytanego na głos; dziecko słyszy też nazwy "
     "obrazków, pochwały i podpowiedzi.",
     19, false, 14},
    {"Gra jest pomyślana dla dziecka, obok którego siedzi logopeda, nauczyciel lub rodzic. "
     "Dorosły wybiera w menu liczbę zadań w serii (5, 10 lub 15), jeden z czterech poziomów "
     "i głoski, które biorą udział w ćwiczeniach.",
     19, false, 14},
    {"Dziecko, które nie korzysta z klawiatury, może grać jednym lub dwoma przełącznikami. "
     "Ustawia się to w <b>Opcjach</b>.",
     19, false, 14},
    {"Po zakończeniu serii gra pokazuje zdobyte punkty, zadania nierozwiązane, liczbę "
     "podpowiedzi i zadania nierozpoczęte, a każdą serię dopisuje do pliku statystyk.",
     19, false, 0},
};

constexpr Block HowToPlayText[] = {
    {"Jak grać?", 46, true, 22},
    {"<b>1.</b> W menu wybierz liczbę zadań, poziom i głoski, a potem naciśnij "
     "<b>Start</b>.",
     19, false, 14},
    {"<b>2.</b> Posłuchaj polecenia. Dziecko kieruje małym pojazdem za pomocą "
     "<b>strzałek</b>; aby wybrać obrazek lub płytkę, wystarczy w nią wjechać.",
     19, false, 14},
    {"<b>3.</b> Dobra odpowiedź zostaje pochwalona, a po błędnej gra zachęca do kolejnej "
     "próby. Rozwiązane zadanie po pięciu sekundach samo przechodzi do następnego, chyba że "
     "poruszysz myszą.",
     19, false, 14},
    {"<b>4.</b> Przyciski po prawej stronie: <b>Dalej</b> – następne zadanie, "
     "<b>Wstecz</b> – poprzednie, <b>Pomoc</b> – podpowiedź, <b>Stop</b> – koniec serii "
     "i wyniki.",
     19, false, 14},
    {"<b>5.</b> Klawisze: <b>Enter</b> – dalej, <b>Backspace</b> – wstecz, <b>P</b> – pomoc, "
     "<b>Z</b> – powtórz polecenie, <b>N</b> – zacznij zadanie od nowa, <b>Esc</b> – koniec "
     "serii. Prawy przycisk myszy na obrazku lub płytce pokazuje go w powiększeniu i "
     "odczytuje na głos.",
     19, false, 14},
    {"<b>6.</b> Gra przełącznikami: podświetlenie przechodzi po kolejnych elementach. Przy "
     "jednym przełączniku przesuwa się samo, a przełącznik wybiera. Przy dwóch jeden "
     "przełącznik (prawy przycisk myszy lub <b>L</b>) przesuwa podświetlenie, a drugi (lewy "
     "przycisk myszy lub <b>K</b>) wybiera. Pojazd sam dojeżdża do wybranego elementu.",
     19, false, 0},
};

// Room around the text inside the page window.
constexpr double PagePadding = 22.0;

const kit::Colour PaperTop = Rgb(0xFFFDF7);
const kit::Colour PaperBottom = Rgb(0xFFF3DC);
const kit::Colour PaperEdge = Rgb(0xFFB74D);

// The toggle's parts in design pixels: the panel holds the page window at (63, 100), 500 x
// 640, and the scroll bar beside it.
constexpr Box PanelBox{20.0, 78.0, 590.0, 672.0};
constexpr Box FirstTab{45.0, 12.0, 255.0, 84.0};
constexpr Box SecondTab{310.0, 12.0, 255.0, 84.0};
constexpr double TabRadius = 22.0;

void TabPath(cairo_t* cr, Box tab) {
    // Rounded on top, square where it meets the panel.
    kit::RoundedRectPath(cr, {tab.X, tab.Y, tab.W, tab.H + TabRadius}, TabRadius);
}

void Tab(cairo_t* cr, Box tab, std::string_view caption, bool active, bool disabled) {
    const kit::Colour invite = disabled ? Rgb(0xBDBDBD) : Rgb(0x42A5F5);
    cairo_save(cr);
    // The tab stops at the panel's edge.
    cairo_rectangle(cr, 0.0, 0.0, PanelBox.Right() + 10.0, PanelBox.Y + 2.0);
    cairo_clip(cr);
    if (active) {
        TabPath(cr, tab);
        kit::FillVertical(cr, PaperTop, PaperTop, tab.Y, tab.Bottom());
        TabPath(cr, tab);
        kit::StrokeWith(cr, disabled ? Rgb(0xC8C8C8) : PaperEdge, 4.0);
    } else {
        TabPath(cr, tab.Inset(4.0).Moved(0.0, 4.0));
        kit::FillVertical(cr, kit::Lighten(invite, 0.25), invite, tab.Y, tab.Bottom());
        TabPath(cr, tab.Inset(4.0).Moved(0.0, 4.0));
        kit::StrokeWith(cr, kit::Darken(invite, 0.25), 3.0);
    }
    cairo_restore(cr);
    const kit::Colour ink = disabled ? Rgb(0x9A9A9A) : active ? Rgb(0x5D4037) : Rgb(0xFFFFFF);
    kit::DrawTextCentred(cr, caption, {30.0, true, false}, ink,
                         {tab.X + 14.0, tab.Y + 10.0, tab.W - 28.0, tab.H - 22.0});
}

}  // namespace

Surface DrawAboutPage(std::string_view page, int layout) {
    std::vector<Block> blocks;
    if (page == "abo") {
        blocks.assign(std::begin(AboutText), std::end(AboutText));
    } else if (page == "hp") {
        blocks.assign(std::begin(HowToPlayText), std::end(HowToPlayText));
    } else {
        throw std::runtime_error("no drawing for about page \"" + std::string(page) + "\"");
    }
    const AboutGeometry g = AboutPageGeometry(layout);
    const double k = LayoutScale(layout);
    const double padding = PagePadding * k;
    const double wrap = g.PageWidth - 2.0 * padding;

    // Measure first: the page is as tall as its text, and never shorter than its window.
    double textHeight = 0.0;
    {
        Surface probe(1, 1);
        const Painter painter(probe);
        for (const Block& block : blocks) {
            const kit::TextLayout layoutText(*painter, block.Text, {block.Size * k, block.Heading},
                                             wrap, kit::Align::Left, true);
            textHeight += layoutText.Height() + block.SpaceAfter * k;
        }
    }
    const int height = std::max(g.WindowHeight, static_cast<int>(textHeight + 2.0 * padding + 1));
    // The scroll bar moves the page up by at most about nine tenths of the window.
    if (height > g.WindowHeight * 19 / 10) {
        throw std::runtime_error("about page \"" + std::string(page) + "\" is too long to scroll");
    }

    Surface surface(g.PageWidth, height);
    const Painter painter(surface);
    cairo_t* cr = *painter;
    double y = padding;
    for (const Block& block : blocks) {
        const kit::TextLayout text(cr, block.Text, {block.Size * k, block.Heading}, wrap,
                                   kit::Align::Left, true);
        text.Draw(cr, padding, y, block.Heading ? Rgb(0x1565C0) : Rgb(0x263238));
        y += text.Height() + block.SpaceAfter * k;
    }
    return surface;
}

Surface DrawAboutToggle(Look state, int layout) {
    const ButtonPicture picture{"jakgrac", ControlKind::CheckButton, state};
    const PixelSize size = ButtonPictureSize(picture, layout);
    return kit::DrawScaled(size.Width, size.Height, LayoutScale(layout), [&](cairo_t* cr) {
        const bool howToPlay = state == Look::On || state == Look::DisabledOn;
        const bool disabled = state == Look::DisabledOn || state == Look::DisabledOff;

        // The tab not shown lies behind the panel; the one shown joins it.
        const Box activeTab = howToPlay ? SecondTab : FirstTab;
        const Box otherTab = howToPlay ? FirstTab : SecondTab;
        Tab(cr, otherTab, howToPlay ? "O programie" : "Jak grać?", false, disabled);
        auto panel = [](cairo_t* c) { kit::RoundedRectPath(c, PanelBox, 28.0); };
        kit::SoftShadow(cr, panel, 0.0, 5.0, 10.0, Rgb(0x000000, 0.3));
        panel(cr);
        kit::FillVertical(cr, PaperTop, disabled ? Rgb(0xEEEEEE) : PaperBottom, PanelBox.Y,
                          PanelBox.Bottom());
        panel(cr);
        kit::StrokeWith(cr, disabled ? Rgb(0xC8C8C8) : PaperEdge, 4.0);
        Tab(cr, activeTab, howToPlay ? "Jak grać?" : "O programie", true, disabled);
        // Close the tab onto the panel: paper over the panel's edge under the active tab.
        cairo_rectangle(cr, activeTab.X + 2.0, PanelBox.Y - 3.0, activeTab.W - 4.0, 8.0);
        kit::SetSource(cr, PaperTop);
        cairo_fill(cr);
    });
}

}  // namespace datagen
