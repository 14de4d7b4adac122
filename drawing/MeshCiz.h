#pragma once
// The drawing window "Çiz": the model's geometry and, after a full run, its
// force diagrams.
#include <QDialog>
#include <QImage>
#include <string>

#include "drawing/CizimBoyama.h"

class QWidget;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSlider;
class QSpinBox;

// Shows the drawing window modally over Ust. SadeceGeometri: opened after the
// geometry-only pass of "Çiz", so the force-diagram controls stay hidden.
// Returns false when no window was shown: one is open already, or the
// model's numbering check failed (its message has been shown).
bool CizimPenceresiniGoster(QWidget* Ust, bool SadeceGeometri);

// Whether the drawing window is on screen (only one may exist).
bool CizimPenceresiAcik();

// Writes the picture in the format its file name's suffix names (PNG, JPEG
// or BMP); false with the reason in Hata otherwise.
bool CizimiKaydet(const QImage& Resim, const std::string& Dosya, std::string& Hata);

// A file name made from the project's description: characters that cannot
// stand in a file name are replaced by "_"; "Çizim" when nothing is left.
std::string CizimDosyaAdi(const std::string& ProbleminTanimi);

class TfMeshCiz : public QDialog {
    Q_OBJECT
public:
    TfMeshCiz(bool SadeceGeometri, QWidget* Ust = nullptr);
    ~TfMeshCiz() override;

    // Repaints the picture from the controls.
    void Ciz();
    // Start-up: fills the tables and paints; false (the window closes) when
    // the model cannot be drawn.
    bool CizimBaslat();
    // "Çizimi kaydet" into the file chosen in the save dialog.
    void CizimiKaydetTikla();

    const QImage& Resim() const { return resim_; }
    CizimSecenekleri Secenekler() const;

    QGroupBox *RadioGroup1, *RadioGroup2, *RadioGroup3;
    QButtonGroup *Grup1, *Grup2, *Grup3;
    QSlider *TrackBar1, *TrackBar2, *TrackBar3, *TrackBar4, *TrackBar5, *TrackBar6, *TrackBar7, *TrackBar8;
    QLabel *StaticText1, *StaticText2, *StaticText3, *StaticText4, *StaticText5, *StaticText6, *StaticText7,
        *StaticText8, *StaticText9, *Label12;
    QCheckBox *CheckBox1, *CheckBox2, *CheckBox3, *CheckBox4, *CheckBox5, *CheckBox6;
    QLineEdit *LabeledEdit1, *LabeledEdit2;
    QSpinBox* UpDown1;
    QPushButton *BitBtn1, *BitBtn2, *BitBtn99;
    QLabel* Label9;
    QLabel* Image1;
    QLabel* Image2;
    QScrollArea* ScrollBox1;

protected:
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void EksenTakimiSec(int Takim);
    void GorunusSec(int Gorunus);
    void CubukDegisti();
    void OnAyarlar();
    // The view computation of an axis-set or view choice, with its range check.
    void GorunusHesapla();
    // The range edits and the drawn range back to the whole model.
    void AraligiSifirla();
    // The image size from the scroll box; the fit and the origin anew.
    void ResmiBoyutlandir();
    // The fit of the current range and view, the rotation angles kept.
    void OlcegiYenile();
    bool AraligiUygula();
    void EksenResmiGoster();

    bool sadeceGeometri_;
    bool basladi_ = false;
    bool hazir_ = false;
    QImage resim_;
};
