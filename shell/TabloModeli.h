#pragma once
// The data grid's view of one table: a copy of the table's rows, read by
// position without moving the table's cursor, and refreshed whenever the
// table changes.
#include <QAbstractTableModel>
#include <QString>
#include <QStringList>
#include <vector>

class Tablo;

class TabloModeli : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TabloModeli(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // Shows T (nullptr: nothing) and reads its rows.
    void TabloAyarla(Tablo* T);
    Tablo* Tablosu() const { return tablo_; }
    // Reads the rows of the shown table again.
    void Yenile();

    // The field name of a grid column.
    QString AlanAdi(int sutun) const { return sutun >= 0 && sutun < alanlar_.size() ? alanlar_[sutun] : QString(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The grid caption of a field (the field name where no caption is set).
    static QString AlanBasligi(const QString& Tablo, const QString& Alan);

private:
    Tablo* tablo_ = nullptr;
    QStringList alanlar_;
    std::vector<std::vector<QString>> satirlar_;
};
