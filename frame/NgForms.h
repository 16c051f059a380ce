#pragma once
// The themed form: the skinned frame bound to a theme engine. While the
// engine has an available theme, the frame's geometry, region, colours,
// fonts and drawing come from the theme, and the caption buttons light up
// under the mouse; otherwise it is the classic frame.

#include "frame/KsForms.h"
#include "theme/NgThemedForms.h"

#include <string>

class TNgTheme;
class TNgThemeEngine;
class TTimer;

class TNgForm : public TKsCustomForm, public INgThemedForm {
    DECLARE_CLASS(TNgForm, TKsCustomForm)
public:
    explicit TNgForm(TComponent* owner);
    ~TNgForm() override;

    TNgThemeEngine* ThemeEngine() const { return FThemeEngine; }
    void SetThemeEngine(TNgThemeEngine* value);
    std::string Version() const { return "2.1"; }
    void SetVersion(const std::string&) {}

    // The theme is in use for this frame now.
    bool IsThemed() const;
    void InvalidateControls();
    void RepaintAll();

    TKsFrameZone HotZone() const { return FHotZone; }
    TTimer* HotTimer() const { return FHotTimer; }
    // One tick of the hover timer.
    void UpdateHotZone();

    RECT GetClientBounds() override;
    RECT GetButtonRect(TKsBorderIcon icon) override;
    RECT GetMaximizedBounds() override;
    HRGN CreateRegion() override;
    TKsFrameZone HitTest(int x, int y) override;
    void PaintBackground(TKsBitmap& bitmap) override;
    void PaintFrame(TKsBitmap& bitmap) override;

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

    TNgThemeEngine* ThemedFormEngine() const override { return FThemeEngine; }
    void ThemeReplaced() override;
    void ThemeHueChanged() override;

protected:
    TKsCustomItem* CreateMenuItem() override;

private:
    TNgTheme& Theme() const;
    int Metric(int index) const;
    void HotTimerTick(TObject* sender);
    void PaintCaptionText(TKsBitmap& bitmap);
    void PaintThemedButton(TKsBitmap& bitmap, TKsBorderIcon icon, TKsFrameZone zone, int button);

    TNgThemeEngine* FThemeEngine = nullptr;
    TTimer* FHotTimer = nullptr;
    TKsFrameZone FHotZone = kfzNone;
    TKsFrameZone FPaintedHotZone = kfzNone;
};
