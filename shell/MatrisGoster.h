#pragma once
// The matrix viewer `TMatrisGoster`: one intermediate matrix of the force
// method, chosen in the main window's menu "Matris göster...", as a pattern
// picture (a mark per non-zero entry) or, for small systems, as a table of
// numbers; the caption gives its size and fill. The solution hands it the
// choice, the sizes and the calculation mode it started with; the entries
// are read from the engine's arrays as the solution left them.
#include <QDialog>
#include <QImage>
#include <string>

#include "platform/KullaniciArayuzu.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QTableWidget;

// What a choice shows: rows R and columns C, where the entries come from,
// and the note that replaces a matrix the structure or mode does not have.
struct GosterilenMatris {
    int R = 0, C = 0;
    int IlkSatir = 1;           // the row of NMatrisi shown as row 1
    bool B0 = false;            // the entries are B0Matrisi's
    int UsluIlkSatir = 0;       // shown rows from this one on are written with an exponent; 0: none
    bool AyiriciCizgi = false;  // the line below the equilibrium rows
    std::string Not;            // non-empty: the matrix does not exist
};
GosterilenMatris GosterilecekMatris(const MatrisGosterimi& M);

// A table entry: "#.####" (0.5 as "0.5"), or "#.####E+00" when Uslu. An entry
// that four decimals would turn into 0 is written with the exponent, so that
// every non-zero entry shows a number.
std::string MatrisSayiMetni(double x, bool Uslu);

class TMatrisGoster : public QDialog {
    Q_OBJECT
public:
    explicit TMatrisGoster(const MatrisGosterimi& M, QWidget* sahip = nullptr);

    // Draws the matrix and shows the window modally; for a matrix that does
    // not exist only its note is shown and the window does not open.
    void Goster();
    // Fills the picture, the caption and, for small systems, the table, and
    // sizes the window for the picture. False after showing the note when
    // the matrix does not exist.
    bool MatrisleriCiz();
    void BitBtn1Click();  // "Sayısal göster"
    void BitBtn2Click();  // "Desen göster"

    // The pattern picture, the table's cell texts (row 0 and column 0 are
    // the numbers), the count of non-zero entries and the cell size.
    const QImage& Resim() const { return resim_; }
    QString Hucre(int Satir, int Kolon) const;
    int SifirdanFarkliSayisi() const { return nz_; }
    int HucreBoyu() const { return s_; }
    const GosterilenMatris& Matris() const { return g_; }

    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    QLabel* Image1 = nullptr;

private:
    double Eleman(int i, int j) const;
    void TabloyuHazirla(int Satir, int Kolon);
    void HucreYaz(int Satir, int Kolon, const QString& Metin);
    void IstemciBoyutu(int w, int h, QSize EnCok);
    void IcerigiYerlestir();

protected:
    void resizeEvent(QResizeEvent* e) override;

private:

    MatrisGosterimi m_;
    GosterilenMatris g_;
    QImage resim_;
    int nz_ = 0;
    int s_ = 4;
    QSize istenen_;  // the size of the table or of the picture's frame
};
