#pragma once
// The progress bar in the classic look: a sunken frame and blue chunks (or
// a solid bar) drawn with the system colours. Values outside Min..Max are
// kept as set and shown as an empty bar.

#include "controls/KsControls.h"

class TKsCustomProgressBar : public TKsCustomControl {
    DECLARE_CLASS(TKsCustomProgressBar, TKsCustomControl)
public:
    explicit TKsCustomProgressBar(TComponent* owner);

    int Max() const { return FMax; }
    void SetMax(int value);
    int Min() const { return FMin; }
    void SetMin(int value);
    int Position() const { return FPosition; }
    // Repaints at once when the share of the bar that is filled changes;
    // otherwise only stores the value.
    void SetPosition(int value);
    TKsBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TKsBarOrientation value);
    // Extra margin inside the frame on every side of the bar area.
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);
    bool ShowBorder() const { return FShowBorder; }
    void SetShowBorder(bool value);
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool value);

    // The filled share of the bar for a value: 0 outside Min..Max, for a
    // negative Min and for an empty range.
    float GetFraction(int value) const;
    // The area the bar may fill.
    virtual RECT GetBarRect() const;

protected:
    void PaintBackground() override { PaintFrame(); }
    void PaintForeground() override { PaintBar(); }
    virtual void PaintBar();
    virtual void PaintFrame();

    // Length along the orientation and thickness across it.
    int BarLength(const RECT& bar) const;
    int BarThickness(const RECT& bar) const;

private:
    int FMax = 100;
    int FMin = 0;
    int FPosition = 0;
    TKsBarOrientation FOrientation = kboHorizontal;
    int FBorderWidth = 0;
    bool FShowBorder = true;
    bool FSmooth = false;
};

// The integer nearest to value, a tie going to the even one.
int NearestInt(double value);
