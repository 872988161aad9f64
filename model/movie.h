// The project tree: the movie, its stages, their backgrounds and layers, and the drawables a
// layer holds. Each owner deletes what it owns; back references (m_pMovie, m_pStage,
// m_pLayer) are never deleted through. Layers and effects are reference counted because the
// undo history shares them.
#pragma once

#include "model/bitmap.h"
#include "model/effect.h"
#include "model/object.h"
#include "model/shapes.h"
#include "model/sound.h"
#include "platform/types.h"

#include <memory>
#include <string>

class CAbstractMovie;
class CDC;
class CLayer;
class CStage;

using CStageList = CTypedPtrList<CStage>;
using CLayerList = CTypedPtrList<CLayer>;

// The background colour of a stage.
class CBackground : public CObject, public CIdentity {
public:
    void Serialize(CArchive& ar) override;
    // Stores colour, mode and the four parameters; mode 0 fills with the colour.
    void SetBackground(COLORREF crColor, int32_t nMode, int32_t p1, int32_t p2, int32_t p3,
                       int32_t p4);
    // Mode 0 fills rc's width and height from the target's origin with the colour; any other
    // mode draws nothing.
    void Draw(CDC& target, const CRect& rc) const;

    COLORREF m_crColor = 0xFFFFFF;
    int32_t m_nParam1 = 0;
    int32_t m_nParam2 = 0;
    int32_t m_nParam3 = 0;
    int32_t m_nParam4 = 0;
    int32_t m_nMode = 0;          // 0 fill with the colour, any other value draw nothing
    int32_t m_bError = 0;
};

// The background picture and background sound of a stage.
class CBackgroundBMP : public CObject, public CIdentity {
public:
    void Serialize(CArchive& ar) override;
    // The picture's plain draw over rc; nothing without a picture.
    void Draw(CDC& target, const CRect& rc) const;

    std::unique_ptr<CSound> m_pSound;
    std::unique_ptr<CHBitmap> m_pBitmap;
    int32_t m_bError = 0;
};

// The position record of a layer.
class CObjectPos : public CObject, public CIdentity {
public:
    CObjectPos() = default;
    // Sets all three points to (x, y).
    CObjectPos(int32_t x, int32_t y);
    void Serialize(CArchive& ar) override;
    void SetAll(CPoint pt) { m_ptOrigin = m_ptHome = m_ptCurrent = pt; }

    CPoint m_ptOrigin;   // where the running effect moves from
    CPoint m_ptHome;     // design position, the one that is stored
    CPoint m_ptCurrent;  // position while playing
};

// The size record of a layer.
class CObjectSize : public CObject, public CIdentity {
public:
    CObjectSize() = default;
    // Sets the design size; the current size stays (0, 0).
    CObjectSize(int32_t cx, int32_t cy);
    void Serialize(CArchive& ar) override;

    CSize m_szDesign;
    CSize m_szCurrent;
};

// The base of the four drawable kinds. Stores nothing itself.
class CGenericDrawing : public CObject {
public:
    enum Kind { kindAnimation = 1, kindClipart = 2, kindDrawn = 3, kindImage = 4 };
    void Serialize(CArchive&) override {}
    virtual int Kind() const = 0;
    // Draws the object into rc of the target; the work and mask buffers, when given, serve
    // masked drawing. The alternate draw is the object's look when another object is in
    // focus. Both draw nothing here.
    virtual void Draw(CDC& target, const CRect& rc, CDC* pWork, CDC* pMask);
    virtual void DrawAlternate(CDC& target, const CRect& rc, CDC* pWork, CDC* pMask);

    CLayer* m_pLayer = nullptr;
};

// Drawable kind 1: an animated clip with a complete inner stage of its own.
class CAnimationObject : public CGenericDrawing {
public:
    void Serialize(CArchive& ar) override;
    int Kind() const override { return kindAnimation; }
    CSize GetOriginalSize() const { return m_szOriginal; }
    // Composes the current inner frame scaled into rc (from the size the clip was made at)
    // and, unless the movie is paused, steps to the next one, starting again after the last.
    void Draw(CDC& target, const CRect& rc, CDC* pWork, CDC* pMask) override;
    void DrawAlternate(CDC& target, const CRect& rc, CDC* pWork, CDC* pMask) override;
    // Back to the first inner frame, the inner objects to their design positions.
    void Rewind();

    std::unique_ptr<CStage> m_pStage; // inner stage, role 2
    int32_t m_nReserved = 0;
    int32_t m_nFrame = 0;             // next inner frame to show
    int32_t m_nFrameCount = 0;
    CSize m_szOriginal{1, 1};         // the size the clip was made at
};

// Drawable kind 2: a library picture with an optional transparency mask.
class CClipartObject : public CGenericDrawing {
public:
    void Serialize(CArchive& ar) override;
    int Kind() const override { return kindClipart; }
    void Draw(CDC& target, const CRect& rc, CDC* pWork, CDC* pMask) override;
    void DrawAlternate(CDC& target, const CRect& rc, CDC* pWork, CDC* pMask) override;

    std::unique_ptr<CHBitmap> m_pBitmap;
    int32_t m_bError = 0;
};

// Drawable kind 3: one vector shape.
class CDrawnObject : public CGenericDrawing {
public:
    void Serialize(CArchive& ar) override;
    int Kind() const override { return kindDrawn; }
    void Draw(CDC& target, const CRect& rc, CDC* pWork, CDC* pMask) override;
    // Grey 0x808080 inside, black outline.
    void DrawAlternate(CDC& target, const CRect& rc, CDC* pWork, CDC* pMask) override;

    int32_t m_nShape = 0;             // 0 CDrawRect, 1 CDrawTextRect, 2 CDrawPoly
    std::unique_ptr<CDrawObj> m_pShape;
};

// Drawable kind 4: an imported picture.
class CImageObject : public CGenericDrawing {
public:
    void Serialize(CArchive& ar) override;
    int Kind() const override { return kindImage; }
    // An imported picture looks the same in and out of focus.
    void Draw(CDC& target, const CRect& rc, CDC* pWork, CDC* pMask) override;
    void DrawAlternate(CDC& target, const CRect& rc, CDC* pWork, CDC* pMask) override;

    std::unique_ptr<CHBitmap> m_pBitmap;
};

// Holds the drawable of a layer (at most one) and the object's name.
class CDrawingObject : public CObject, public CIdentity {
public:
    void Serialize(CArchive& ar) override;
    // Replacing deletes the old drawable.
    void SetObject(std::unique_ptr<CGenericDrawing> pObject) { m_pObject = std::move(pObject); }
    CGenericDrawing* GetObject() const { return m_pObject.get(); }
    // Draws the drawable: its alternate look when the movie is in focus mode and the focus is
    // on another layer, its own look otherwise.
    void Draw(CDC& target, const CRect& rc, CDC* pWork, CDC* pMask);

    std::unique_ptr<CGenericDrawing> m_pObject;
    int32_t m_bError = 0;
    std::string m_strName;        // library name or file name
};

// One placed object on a stage: exactly one drawable with its position, size, effects and
// sounds.
class CLayer : public CObject, public CIdentity, public CRefCounted {
public:
    CLayer();
    void Serialize(CArchive& ar) override;

    void SetPos(std::unique_ptr<CObjectPos> p) { m_pPos = std::move(p); }
    void SetSize(std::unique_ptr<CObjectSize> p) { m_pSize = std::move(p); }
    void SetDrawing(std::unique_ptr<CDrawingObject> p);
    void SetEffects(std::unique_ptr<CEffectList> p);
    void SetSounds(std::unique_ptr<CSoundList> p);
    CStage* GetStage() const { return m_pStage; }
    void SetStage(CStage* pStage) { m_pStage = pStage; }
    // Points every part's back reference (drawable, effects, sounds) at this layer.
    void AttachParts();

    // One frame of playback: the effects in list order until one has drawn the object (only
    // the first with frame -1); forwards also gives the frame to the object's sounds while
    // the movie plays. 0 when the layer cannot be stepped (no effect list or no stage: that is
    // reported once).
    int StepForward(int32_t frame);
    int StepBackward(int32_t frame);
    // Back to the design position with every effect reset; a clip back to its first frame.
    void Rewind();
    // Every effect at its end, the origin where the last effect starts.
    void GoToEnd();
    void SetStep(int32_t n);
    // Renewing moves each identity to m_nSavedId and takes a fresh one, for this object and
    // every part below it; restoring puts the saved identities back.
    void RenewIds() { ChangeIds(true); }
    void RestoreIds() { ChangeIds(false); }
    void ChangeIds(bool bRenew);

    std::unique_ptr<CObjectSize> m_pSize;
    std::unique_ptr<CObjectPos> m_pPos;
    std::unique_ptr<CDrawingObject> m_pDrawing;
    std::unique_ptr<CEffectList> m_pEffects;
    CStage* m_pStage = nullptr;
    std::unique_ptr<CSoundList> m_pSounds;

protected:
    ~CLayer() override = default;

private:
    bool CanStep();
    bool m_bReported = false; // a layer that cannot be stepped says so once
};

// One stage: a background colour, an optional background picture with sound, a stage sound
// and the layers, the head of the list being the topmost object.
class CStage : public CObject, public CIdentity {
public:
    enum Role { roleMovie = 1, roleInner = 2 };
    enum Reorder { moveUp = 0, moveToBottom = 1, moveToTop = 2, moveDown = 3 };

    CStage();
    ~CStage() override;
    void Serialize(CArchive& ar) override;

    // Each setter deletes what it replaces; the two background setters make the next draw
    // paint the background again.
    void SetSound(std::unique_ptr<CSound> p) { m_pSound = std::move(p); }
    void SetBackground(std::unique_ptr<CBackground> p);
    void SetBackgroundBMP(std::unique_ptr<CBackgroundBMP> p);
    void SetLayers(std::unique_ptr<CLayerList> p);
    CLayerList* GetLayers() const { return m_pLayers.get(); }
    void SetMovie(CAbstractMovie* pMovie) { m_pMovie = pMovie; }
    void SetTimes(int32_t t1, int32_t t2, int32_t t3, int32_t t4);

    // Adds a new topmost layer holding an empty drawing holder, an empty effect list, a
    // position at (x, y) and a size of (cx, cy). nKind is the drawable kind the caller will
    // put into the holder (1 to 4); any other kind adds nothing and returns nullptr.
    CLayer* AddObject(int nKind, int32_t x, int32_t y, int32_t cx, int32_t cy);
    // Moves the layer at index (from the head) by mode; a move that would leave it where it
    // is changes nothing. False only for an index past the end or an unknown mode.
    bool ReorderLayer(int index, int mode);
    // Renewing moves each identity to m_nSavedId and takes a fresh one, for this object and
    // every part below it; restoring puts the saved identities back.
    void RenewIds() { ChangeIds(true); }
    void RestoreIds() { ChangeIds(false); }
    void ChangeIds(bool bRenew);

    // Composes one frame into the movie's frame buffer: a stage of the movie copies its
    // background (painted into its own buffer at frame 0 and when it changed), then every
    // layer from the bottom to the top steps forwards or backwards. 0 when nothing could be
    // drawn.
    int PlayFrame(int32_t frame, bool bForward);
    void Rewind();
    void Pause();
    void GoToLast();
    void GoToFrame(int32_t n);

    int32_t m_nState = 0;
    std::unique_ptr<CDC> m_hMemDC;          // the stage buffer, made on the first frame
    int32_t m_bBackgroundCached = 0;
    int32_t m_bBufferCreated = 0;
    const CPalette* m_hPalette = nullptr;   // not owned
    bool m_bBufferReported = false;         // a stage buffer that cannot be made says so once
    std::unique_ptr<CSound> m_pSound;
    std::unique_ptr<CBackground> m_pBackground;
    std::unique_ptr<CBackgroundBMP> m_pBackgroundBMP;
    std::unique_ptr<CLayerList> m_pLayers;
    CAbstractMovie* m_pMovie = nullptr;
    int32_t m_nTime1 = 0;
    int32_t m_nTime2 = 0;
    int32_t m_nTime3 = 0;
    int32_t m_nTime4 = 0;
    int32_t m_nReserved1 = -1;
    int32_t m_nReserved2 = 0;
    std::string m_strName;
    int32_t m_nRole = roleMovie;
};

// The project root.
class CAbstractMovie : public CObject, public CIdentity {
public:
    CAbstractMovie();
    ~CAbstractMovie() override;
    void Serialize(CArchive& ar) override;

    // A new project: stage rectangle (0, 0, 800, 600), one frame, looping, one stage with a
    // white background, an empty layer list and the timeline values 1, 0, 0, 1.
    static std::unique_ptr<CAbstractMovie> NewProject();

    int32_t GetFrameCount() const { return m_nFrameCount; }
    void SetFrameCount(int32_t n) { m_nFrameCount = n; }
    CStageList* GetStages() const { return m_pStages.get(); }
    // Replacing deletes the old list.
    void SetStages(std::unique_ptr<CStageList> p);
    void SetCurrentFrame(int32_t n) { m_nCurrentFrame = n; }
    // The first stage, the one the editor works on, or nullptr.
    CStage* GetFirstStage() const { return m_pStages ? m_pStages->GetHead() : nullptr; }
    // Renewing moves each identity to m_nSavedId and takes a fresh one, for this object and
    // every part below it; restoring puts the saved identities back.
    void RenewIds() { ChangeIds(true); }
    void RestoreIds() { ChangeIds(false); }
    void ChangeIds(bool bRenew);

    // Every stage composes the frame, in list order.
    void PlayFrame(int32_t frame, bool bForward);
    // Plays the current frame and moves on; past the end a looping movie rewinds first.
    void Tick();
    void Rewind();
    // Pauses and stops the sounds.
    void Pause();
    void Resume() { m_bPaused = 0; }
    void GoToLast();
    void GoToFrame(int32_t n);
    int32_t GetCurrentFrame() const { return m_nCurrentFrame; }
    void SetStopped(bool bStopped) { m_bStopped = bStopped ? 1 : 0; }

    CDC* m_pDC = nullptr;        // frame buffer (not owned)
    CDC* m_pMaskDC = nullptr;    // black-and-white mask buffer
    CDC* m_pWorkDC = nullptr;    // second colour buffer
    bool m_bCompositionStopped = false; // the buffers could not be made: nothing composes
    int32_t m_nFrameCount = 0;
    std::unique_ptr<CStageList> m_pStages;
    int32_t m_bFocusMode = 0;
    int32_t m_nFocusLayerId = 0;
    uint8_t m_nMode = 0;
    CRect m_rcStage;
    int32_t m_nPlayMode = 0;     // 2 = loop at the end
    int32_t m_bPaused = 0;
    int32_t m_bStopped = 0;
    int32_t m_nCurrentFrame = 0;
};

// The highest identity (m_nId) in the movie: the movie itself, its stages with their
// backgrounds and background pictures, their layers with position, size, drawing holder,
// effect list and sound list, and the inner stages of clips at any depth. The editor raises
// the identity counter past it after opening a project.
int32_t HighestObjectId(const CAbstractMovie& movie);
