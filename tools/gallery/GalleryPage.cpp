#include "tools/gallery/GalleryPage.h"

#include <vector>

namespace {
const uint32_t Ink = MakeColor(0, 0, 0, 255);
const uint32_t Grey = MakeColor(96, 96, 96, 255);
// Behind the frames, and where their region cuts the corners away.
const uint32_t Desktop = MakeColor(58, 110, 165, 255);

RECT Rect(int left, int top, int right, int bottom)
{
    return RECT{left, top, right, bottom};
}

RECT Sized(int left, int top, int width, int height)
{
    return RECT{left, top, left + width, top + height};
}

class TGallery {
public:
    TGallery(TNgTheme& theme, TKsBitmap& page, int left, int top) : FTheme(theme), FPage(page), X0(left), Y0(top) {}

    void Draw(const std::string& title);

private:
    void Label(const std::string& text, int x, int y, int width, UINT format = KsTextLeft, bool bold = false);
    int Heading(const std::string& text, int y);
    void UseThemeFont(int index, int colorIndex);

    int Frames(int y);
    void Frame(int x, int y, int style, bool active, const std::string& caption);
    int CaptionButtons(int y);
    int Buttons(int y);
    int ChecksAndProgress(int y);
    int Menus(int y);
    int Panels(int y);
    int ScrollAndTrack(int y);
    int Tabs(int y);

    TNgTheme& FTheme;
    TKsBitmap& FPage;
    int X0;
    int Y0;
};

void TGallery::UseThemeFont(int index, int colorIndex)
{
    FPage.Font().SetName(FTheme.GetFontName(index));
    FPage.Font().SetSize(FTheme.GetFontSize(index));
    FPage.Font().SetStyle(FTheme.GetFontStyle(index));
    FPage.Font().SetColor(FTheme.GetColor(colorIndex));
}

void TGallery::Label(const std::string& text, int x, int y, int width, UINT format, bool bold)
{
    GalleryLabel(FPage, text, X0 + x, Y0 + y, width, format, bold);
}

int TGallery::Heading(const std::string& text, int y)
{
    return GalleryHeading(FPage, text, X0, Y0 + y) - Y0;
}

void TGallery::Draw(const std::string& title)
{
    FPage.Font().SetName("Tahoma");
    FPage.Font().SetSize(12);
    FPage.Font().SetStyle(TFontStyles{fsBold});
    FPage.Font().SetColor(clBlack);
    FPage.DrawText(title, Sized(X0 + 10, Y0 + 4, 500, 22), KsTextLeft);
    int y = 32;
    y = Frames(y);
    y = CaptionButtons(y);
    y = Buttons(y);
    y = ChecksAndProgress(y);
    y = Menus(y);
    y = Panels(y);
    y = ScrollAndTrack(y);
    Tabs(y);
}

// A whole window frame as the themed form paints it, cut by its region.
void TGallery::Frame(int x, int y, int style, bool active, const std::string& caption)
{
    const int w = 200, h = 100;
    const bool standard = style == nbsStandard;
    TOwned<TKsBitmap> frame = MakeOwned<TKsBitmap>();
    frame->SetSize(w, h);
    const int border = FTheme.GetMetric(standard ? nmBorderWidth : nmToolBorderWidth);
    const int captionHeight = FTheme.GetMetric(standard ? nmCaptionHeight : nmToolCaptionHeight);
    const RECT client = Rect(border, captionHeight, w - border, h - border);
    frame->FillRect(client, ColorToPixel(FTheme.GetColor(ncWindow), 255));
    FTheme.DrawFormFrame(*frame, w, h, client, active, style);

    // Buttons from the right: close, maximize, minimize (a tool window has
    // only close).
    std::vector<std::pair<int, RECT>> buttons;
    if (standard) {
        int right = w - FTheme.GetMetric(nmCaptionRightMargin);
        for (int button : {ncbClose, ncbMaximize, ncbMinimize}) {
            buttons.push_back(
                {button, Rect(right - FTheme.GetMetric(nmCaptionButtonWidth), FTheme.GetMetric(nmCaptionTop), right,
                              FTheme.GetMetric(nmCaptionTop) + FTheme.GetMetric(nmCaptionButtonHeight))});
            right -= FTheme.GetMetric(nmCaptionButtonWidth) + FTheme.GetMetric(nmCaptionButtonGap);
        }
    } else {
        const int right = w - FTheme.GetMetric(nmToolCaptionRightMargin);
        buttons.push_back(
            {ncbClose, Rect(right - FTheme.GetMetric(nmToolCaptionButtonWidth), FTheme.GetMetric(nmToolCaptionTop),
                            right, FTheme.GetMetric(nmToolCaptionTop) + FTheme.GetMetric(nmToolCaptionButtonHeight))});
    }
    for (const auto& [button, rect] : buttons)
        FTheme.DrawCaptionButton(*frame, rect, button, false, false, active, style);

    const int textLeft =
        standard ? FTheme.GetMetric(nmCaptionRightMargin) : FTheme.GetMetric(nmToolCaptionRightMargin) + 4;
    RECT text = standard ? Rect(textLeft, FTheme.GetMetric(nmCaptionTop), w - FTheme.GetMetric(nmCaptionRightMargin),
                                captionHeight)
                         : Rect(textLeft, FTheme.GetMetric(nmToolCaptionTop),
                                w - FTheme.GetMetric(nmToolCaptionRightMargin), captionHeight);
    const int fontIndex = standard ? nfCaption : nfToolCaption;
    frame->Font().SetName(FTheme.GetFontName(fontIndex));
    frame->Font().SetSize(FTheme.GetFontSize(fontIndex));
    frame->Font().SetStyle(FTheme.GetFontStyle(fontIndex));
    const std::string fitted = TruncateText(*frame, caption, buttons.back().second.left - textLeft - 4);
    frame->Font().SetColor(clBlack);
    RECT shadow = text;
    OffsetRect(&shadow, 1, 1);
    frame->DrawText(fitted, shadow, KsTextLeft | DT_NOPREFIX);
    frame->Font().SetColor(FTheme.GetColor(active ? ncCaptionText : ncInactiveCaptionText));
    frame->DrawText(fitted, text, KsTextLeft | DT_NOPREFIX);

    HRGN region = FTheme.CreateFormRegion(w, h, style);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            FPage.SetPixel(X0 + x + i, Y0 + y + j,
                           !region || PtInRegion(region, i, j) ? frame->GetPixel(i, j) | 0xFF000000u : Desktop);
    if (region)
        DeleteObject(region);
}

int TGallery::Frames(int y)
{
    y = Heading("Frames, 200 x 100, cut by their regions (border style 1 standard, 2 tool window)", y);
    FPage.FillRect(Sized(X0 + 10, Y0 + y + 14, GalleryColumnWidth - 20, 110), Desktop);
    const struct {
        int Style;
        bool Active;
        const char* Text;
    } frames[] = {{1, true, "style 1, active"},
                  {1, false, "style 1, inactive"},
                  {2, true, "style 2, active"},
                  {2, false, "style 2, inactive"}};
    int x = 15;
    for (const auto& frame : frames) {
        Label(frame.Text, x, y, 200);
        Frame(x, y + 19, frame.Style, frame.Active, frame.Style == 1 ? "Quorvel details" : "Tool window");
        x += 212;
    }
    return y + 134;
}

int TGallery::CaptionButtons(int y)
{
    y = Heading("Caption buttons: normal, hot, pressed; active row, then inactive row", y);
    const char* names[] = {"close", "help", "minimize", "maximize", "restore", "roll up", "roll down", "to tray"};
    for (int button = 0; button < 8; ++button) {
        const int x = 12 + button * 82;
        Label(names[button], x, y, 75);
        for (int row = 0; row < 2; ++row)
            for (int state = 0; state < 3; ++state)
                FTheme.DrawCaptionButton(FPage, Sized(X0 + x + state * 24, Y0 + y + 16 + row * 24, 21, 21), button,
                                         state == 1, state == 2, row == 0, 1);
    }
    const int x = 12 + 8 * 82;
    Label("tool close", x, y, 80);
    for (int row = 0; row < 2; ++row)
        for (int state = 0; state < 3; ++state)
            FTheme.DrawCaptionButton(FPage, Sized(X0 + x + state * 18, Y0 + y + 16 + row * 24, 14, 14), 0, state == 1,
                                     state == 2, row == 0, 2);
    return y + 68;
}

int TGallery::Buttons(int y)
{
    y = Heading("Push buttons, states 0 to 5 (nine-slice onto 75 x 25 and 120 x 40)", y);
    const char* names[] = {"0 normal", "1 hot", "2 pressed", "3 disabled", "4 focused", "5 default"};
    for (int state = 0; state < 6; ++state) {
        const int x = 12 + state * 140;
        for (int size = 0; size < 2; ++size) {
            const int w = size ? 120 : 75;
            const int h = size ? 40 : 25;
            const int bx = size ? x : x + 22;
            TOwned<TKsBitmap> face = MakeOwned<TKsBitmap>();
            face->SetSize(w, h);
            // The control's parent shows through the transparent corners.
            face->Fill(MakeColor(236, 233, 216, 255));
            FTheme.DrawButton(*face, w, h, state);
            face->Font().SetName("Tahoma");
            face->Font().SetSize(8);
            face->Font().SetColor(state == 3 ? MakeTColor(161, 161, 146) : clBlack);
            RECT text = Rect(0, 0, w, h);
            if (state == 2)
                OffsetRect(&text, 1, 1);
            face->DrawText("&OK", text, KsTextCentred);
            face->DrawBitmap(FPage, X0 + bx, Y0 + y + (size ? 30 : 0));
        }
        Label(names[state], x, y + 72, 120, KsTextCentred);
    }
    return y + 92;
}

int TGallery::ChecksAndProgress(int y)
{
    y = Heading("Check boxes and radios (columns: normal, hot, pressed, disabled)      Progress bars", y);
    const char* checks[] = {"checked", "unchecked", "grayed"};
    for (int check = 0; check < 3; ++check) {
        Label(checks[check], 12, y + 2 + check * 20, 70);
        for (int state = 0; state < 4; ++state)
            FTheme.DrawCheckBox(FPage, Sized(X0 + 90 + state * 26, Y0 + y + check * 20, 16, 16), state, check);
    }
    for (int check = 0; check < 2; ++check) {
        Label(check == 0 ? "radio on" : "radio off", 12, y + 62 + check * 20, 70);
        for (int state = 0; state < 4; ++state)
            FTheme.DrawRadioButton(FPage, Sized(X0 + 90 + state * 26, Y0 + y + 60 + check * 20, 16, 16), state, check);
    }
    // Labelled check boxes as the check box control lays them out.
    for (int i = 0; i < 3; ++i) {
        FTheme.DrawCheckBox(FPage, Sized(X0 + 210, Y0 + y + i * 20, 16, 16), i == 1 ? 1 : 0, i);
        Label(i == 0 ? "Always on top" : i == 1 ? "Hot, unchecked" : "Grayed", 231, y + 1 + i * 20, 120);
    }
    for (int i = 0; i < 2; ++i) {
        FTheme.DrawRadioButton(FPage, Sized(X0 + 210, Y0 + y + 60 + i * 20, 16, 16), 0, i);
        Label(i == 0 ? "Selected option" : "Other option", 231, y + 61 + i * 20, 120);
    }

    const int px = 370;
    const struct {
        int Percent;
        bool Smooth;
        const char* Text;
    } bars[] = {
        {0, false, "0 %"}, {5, false, "5 %"}, {50, false, "50 %"}, {100, false, "100 %"}, {60, true, "60 % smooth"}};
    for (int i = 0; i < 5; ++i) {
        const int bx = X0 + px + (i % 2) * 225;
        const int by = Y0 + y + (i / 2) * 32;
        const RECT frame = Sized(bx, by, 170, 16);
        FTheme.DrawProgressFrame(FPage, frame);
        RECT content = frame;
        InflateRect(&content, -2, -2);
        RECT bar = content;
        bar.right = bar.left + RectWidth(content) * bars[i].Percent / 100;
        FTheme.DrawProgressChunks(FPage, content, bar, 0, bars[i].Smooth);
        Label(bars[i].Text, px + (i % 2) * 225 + 175, y + (i / 2) * 32 + 1, 90);
    }
    // Vertical: the themed bar's filled part grows from the top of the bar.
    for (int i = 0; i < 2; ++i) {
        const RECT frame = Sized(X0 + px + 452 + i * 25, Y0 + y, 16, 90);
        FTheme.DrawProgressFrame(FPage, frame);
        RECT content = frame;
        InflateRect(&content, -2, -2);
        RECT bar = content;
        bar.bottom = bar.top + RectHeight(content) * 70 / 100;
        FTheme.DrawProgressChunks(FPage, content, bar, 1, i == 1);
    }
    Label("vertical", px + 440, y + 92, 65, KsTextCentred);
    return y + 112;
}

// Menu items for the gallery; one of them shows an image from the atlas.
class TGalleryImages : public INgItemImages {
public:
    explicit TGalleryImages(TNgTheme& theme) : FTheme(theme) {}
    int ImageWidth() const override { return 16; }
    int ImageHeight() const override { return 16; }
    void DrawImage(TKsBitmap& bitmap, int x, int y, int, bool enabled) const override
    {
        // A check box cell stands in for an image list entry.
        FTheme.DrawCheckBox(bitmap, Sized(x, y, 16, 16), enabled ? 0 : 3, 0);
    }

private:
    TNgTheme& FTheme;
};

int TGallery::Menus(int y)
{
    y = Heading("Popup menu (frame, items, selection, check, image, disabled, separator, shortcut, submenu) and "
                "menu bar",
                y);
    TGalleryImages images(FTheme);
    std::vector<TNgMenuItemData> items(8);
    items[0].Caption = "&Restore";
    items[0].Enabled = false;
    items[1].Caption = "Mi&nimize";
    items[2].Caption = "Ma&ximize";
    items[3].Caption = "Always on &top";
    items[3].Checked = true;
    items[4].Caption = "With an &image";
    items[4].Images = &images;
    items[4].ImageIndex = 0;
    items[5].Caption = "&More";
    items[5].Count = 3;
    items[6].Caption = "-";
    items[7].Caption = "&Close";
    items[7].ShortCut = "Alt+F4";
    const int selected = 2;

    // Two popups: the second with the submenu item selected.
    for (int popup = 0; popup < 2; ++popup) {
        TOwned<TKsBitmap> menu = MakeOwned<TKsBitmap>();
        menu->SetSize(1, 1);
        int contentWidth = 0, contentHeight = 0;
        std::vector<int> heights;
        for (const TNgMenuItemData& item : items) {
            int w = 0, h = 0;
            FTheme.MeasurePopupItem(*menu, item, w, h);
            contentWidth = std::max(contentWidth, w);
            contentHeight += h;
            heights.push_back(h);
        }
        const int width = contentWidth + 6, height = contentHeight + 6;
        menu->SetSize(width, height);
        menu->Fill(MakeColor(255, 255, 255, 255));
        FTheme.DrawPopupFrame(*menu, width, height);
        int top = 3;
        for (size_t i = 0; i < items.size(); ++i) {
            const RECT rect = Rect(3, top, 3 + contentWidth, top + heights[i]);
            const bool isSelected = static_cast<int>(i) == (popup == 0 ? selected : 5);
            FTheme.DrawPopupItem(*menu, items[i], rect, isSelected, true);
            top += heights[i];
        }
        menu->DrawBitmap(FPage, X0 + 12 + popup * (width + 20), Y0 + y);
    }

    // A menu bar with items and its caption buttons.
    const int bx = 430;
    TOwned<TKsBitmap> bar = MakeOwned<TKsBitmap>();
    bar->SetSize(420, 22);
    FTheme.DrawMenuBar(*bar, 420, 22);
    int x = 0;
    const char* captions[] = {"&File", "&Edit", "&View", "&Help"};
    for (int i = 0; i < 4; ++i) {
        TNgMenuItemData item;
        item.Caption = captions[i];
        int w = 0, h = 0;
        FTheme.MeasureMenuBarItem(*bar, item, w, h);
        FTheme.DrawMenuBarItem(*bar, item, Rect(x, 0, x + w, h), i == 1, true);
        x += w;
    }
    const int kinds[] = {ikWindowIcon, ikMinimize, ikRestore, ikClose};
    x = 420 - 4 * 22;
    for (int kind : kinds) {
        TNgMenuItemData item;
        item.Kind = kind;
        FTheme.DrawMenuBarButton(*bar, item, Rect(x, 0, x + 22, 22), kind == ikRestore, true);
        x += 22;
    }
    bar->DrawBitmap(FPage, X0 + bx, Y0 + y);
    Label("menu bar: Edit selected, restore selected", bx, y + 24, 400);

    // Menu-bar buttons in every state.
    const char* states[] = {"normal", "selected", "pressed"};
    for (int state = 0; state < 3; ++state) {
        Label(states[state], bx, y + 48 + state * 24 + 4, 60);
        x = bx + 64;
        for (int kind : kinds) {
            TNgMenuItemData item;
            item.Kind = kind;
            TOwned<TKsBitmap> cell = MakeOwned<TKsBitmap>();
            cell->SetSize(22, 22);
            FTheme.DrawMenuBar(*cell, 22, 22);
            FTheme.DrawMenuBarButton(*cell, item, Rect(0, 0, 22, 22), state > 0, state == 1);
            cell->DrawBitmap(FPage, X0 + x, Y0 + y + 48 + state * 24);
            x += 26;
        }
    }
    return y + 170;
}

int TGallery::Panels(int y)
{
    y = Heading("Panel, header bar, group frame, small buttons", y);
    FTheme.DrawPanel(FPage, Sized(X0 + 12, Y0 + y, 170, 90), 0);
    Label("panel", 20, y + 3, 100);
    const RECT header = Sized(X0 + 200, Y0 + y, 220, 22);
    FTheme.DrawHeaderBar(FPage, header, "Header bar");
    const RECT group = Sized(X0 + 200, Y0 + y + 40, 220, 50);
    UseThemeFont(nfPopupItem, ncPopupText);
    const int captionWidth = FPage.TextWidth("Group frame") + 6;
    const RECT caption = Sized(group.left + 8, group.top - 7, captionWidth, 14);
    FTheme.DrawGroupFrame(FPage, group, caption, "Group frame");

    Label("small buttons: chevrons, chevrons down, cross; normal, hot, pressed", 440, y, 400);
    for (int glyph = 0; glyph < 3; ++glyph)
        for (int state = 0; state < 3; ++state)
            FTheme.DrawSmallButton(FPage, Sized(X0 + 440 + glyph * 70 + state * 20, Y0 + y + 20, 17, 17),
                                   glyph == 2 ? 1 : 0, state, glyph == 1);
    return y + 100;
}

int TGallery::ScrollAndTrack(int y)
{
    y = Heading("Scroll bar pieces (arrows and thumbs: normal, hot, pressed, disabled) and track bar pieces", y);
    // A vertical and a horizontal scroll bar put together.
    FTheme.DrawScrollTrack(FPage, Sized(X0 + 12, Y0 + y, 17, 120), true);
    FTheme.DrawScrollArrow(FPage, Sized(X0 + 12, Y0 + y, 17, 17), true, true, 0);
    FTheme.DrawScrollArrow(FPage, Sized(X0 + 12, Y0 + y + 103, 17, 17), true, false, 0);
    FTheme.DrawScrollThumb(FPage, Sized(X0 + 12, Y0 + y + 30, 17, 40), true, 0);
    FTheme.DrawScrollTrack(FPage, Sized(X0 + 40, Y0 + y, 150, 17), false);
    FTheme.DrawScrollArrow(FPage, Sized(X0 + 40, Y0 + y, 17, 17), false, true, 0);
    FTheme.DrawScrollArrow(FPage, Sized(X0 + 173, Y0 + y, 17, 17), false, false, 1);
    FTheme.DrawScrollThumb(FPage, Sized(X0 + 80, Y0 + y, 50, 17), false, 1);
    for (int state = 0; state < 4; ++state) {
        const int sy = Y0 + y + 26 + state * 22;
        for (int dir = 0; dir < 4; ++dir)
            FTheme.DrawScrollArrow(FPage, Sized(X0 + 40 + dir * 20, sy, 17, 17), dir < 2, dir % 2 == 0, state);
        FTheme.DrawScrollThumb(FPage, Sized(X0 + 125, sy, 17, 17), true, state);
        FTheme.DrawScrollThumb(FPage, Sized(X0 + 146, sy, 40, 17), false, state);
    }

    // Track bars.
    const int tx = 220;
    const RECT channel = Sized(X0 + tx, Y0 + y + 8, 200, 4);
    const RECT selection = Sized(X0 + tx + 40, Y0 + y + 9, 60, 2);
    FTheme.DrawTrackChannel(FPage, channel, selection);
    FTheme.DrawTrackThumb(FPage, Sized(X0 + tx + 120, Y0 + y, 11, 22), false, 1, 0);
    Label("thumbs: kinds 0, 1, 2; states 0 to 4", tx, y + 26, 260);
    for (int state = 0; state < 5; ++state) {
        const int sx = X0 + tx + state * 62;
        FTheme.DrawTrackThumb(FPage, Sized(sx, Y0 + y + 44, 11, 23), false, 0, state);
        FTheme.DrawTrackThumb(FPage, Sized(sx + 14, Y0 + y + 44, 11, 22), false, 1, state);
        FTheme.DrawTrackThumb(FPage, Sized(sx + 28, Y0 + y + 44, 11, 22), false, 2, state);
        FTheme.DrawTrackThumb(FPage, Sized(sx, Y0 + y + 72, 22, 11), true, 0, state);
        FTheme.DrawTrackThumb(FPage, Sized(sx, Y0 + y + 86, 22, 11), true, 1, state);
        FTheme.DrawTrackThumb(FPage, Sized(sx, Y0 + y + 100, 22, 11), true, 2, state);
    }
    return y + 126;
}

int TGallery::Tabs(int y)
{
    y = Heading("Tab page and tabs (positions 0 to 3; states 0, 1 and 4)", y);
    const int states[] = {0, 1, 4};
    for (int row = 0; row < 3; ++row) {
        Label(row == 0 ? "state 0" : row == 1 ? "state 1" : "state 4", 12, y + 4 + row * 26, 60);
        for (int position = 0; position < 4; ++position)
            FTheme.DrawTab(FPage, Sized(X0 + 70 + position * 66, Y0 + y + row * 26, 62, 22), position, states[row]);
    }
    // A page with a row of tabs on it.
    const int px = 360;
    FTheme.DrawTabPage(FPage, Sized(X0 + px, Y0 + y + 21, 300, 60));
    const char* names[] = {"General", "Colours", "About"};
    for (int i = 0; i < 3; ++i) {
        const bool current = i == 0;
        const RECT tab =
            current ? Sized(X0 + px + 2 + i * 64, Y0 + y, 64, 23) : Sized(X0 + px + 2 + i * 64, Y0 + y + 3, 62, 19);
        FTheme.DrawTab(FPage, tab, 0, current ? 1 : 0);
        FPage.Font().SetName("Tahoma");
        FPage.Font().SetSize(8);
        FPage.Font().SetStyle(TFontStyles());
        FPage.Font().SetColor(clBlack);
        FPage.DrawText(names[i], tab, KsTextCentred);
    }
    return y + 90;
}
}

void GalleryLabel(TKsBitmap& page, const std::string& text, int x, int y, int width, UINT format, bool bold)
{
    page.Font().SetName("Tahoma");
    page.Font().SetSize(8);
    page.Font().SetStyle(bold ? TFontStyles{fsBold} : TFontStyles());
    page.Font().SetColor(clBlack);
    page.DrawText(text, Sized(x, y, width, 14), format | DT_NOPREFIX);
}

int GalleryHeading(TKsBitmap& page, const std::string& text, int left, int y)
{
    GalleryLabel(page, text, left + 10, y, GalleryColumnWidth - 20, KsTextLeft, true);
    page.FillRect(Sized(left + 10, y + 15, GalleryColumnWidth - 20, 1), Grey);
    return y + 20;
}

void DrawGalleryColumn(TNgTheme& theme, TKsBitmap& page, int left, int top, const std::string& title)
{
    TGallery(theme, page, left, top).Draw(title);
}
