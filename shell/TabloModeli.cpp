#include "shell/TabloModeli.h"

#include "platform/Tablo.h"

void TabloModeli::TabloAyarla(Tablo* T) {
    tablo_ = T;
    Yenile();
}

void TabloModeli::Yenile() {
    beginResetModel();
    alanlar_.clear();
    satirlar_.clear();
    if (tablo_ && tablo_->Active()) {
        try {
            // The date column that every project table ends with is written by
            // nothing and stays out of the grid.
            std::vector<int> sutunlar;
            const auto adlar = tablo_->AlanAdlari();
            for (int i = 0; i < static_cast<int>(adlar.size()); ++i)
                if (adlar[static_cast<std::size_t>(i)] != "Tarih") {
                    alanlar_ << QString::fromStdString(adlar[static_cast<std::size_t>(i)]);
                    sutunlar.push_back(i);
                }
            // The rows are read by position: the table's cursor, and a row an
            // editor holds in edit, stay as they are.
            const int n = tablo_->RecordCount();
            satirlar_.reserve(static_cast<std::size_t>(n));
            for (int r = 0; r < n; ++r) {
                std::vector<QString> satir;
                satir.reserve(sutunlar.size());
                for (int c : sutunlar) satir.push_back(QString::fromStdString(tablo_->SatirMetni(r, c)));
                satirlar_.push_back(std::move(satir));
            }
        } catch (const std::exception&) {
            // A table that cannot be read shows what was read up to there.
        }
    }
    endResetModel();
}

int TabloModeli::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(satirlar_.size());
}

int TabloModeli::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(alanlar_.size());
}

QVariant TabloModeli::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(satirlar_.size())) return {};
    const QString& metin = satirlar_[index.row()][index.column()];
    if (role == Qt::DisplayRole) return metin;
    if (role == Qt::TextAlignmentRole) {
        // Numbers line up on the right, texts (and generation keys) on the left.
        bool sayi = false;
        metin.toDouble(&sayi);
        return QVariant::fromValue(Qt::Alignment(sayi ? Qt::AlignRight | Qt::AlignVCenter
                                                       : Qt::AlignLeft | Qt::AlignVCenter));
    }
    return {};
}

QVariant TabloModeli::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    if (section < 0 || section >= alanlar_.size()) return {};
    return AlanBasligi(tablo_ ? QString::fromStdString(tablo_->TabloAdi()) : QString(),
                       alanlar_[section]);
}

QString TabloModeli::AlanBasligi(const QString& Tablo, const QString& Alan) {
    if (Alan == "ProbleminTanimi") return "Açıklama";
    if (Alan == "MalzemeNo") return "Malzeme no";
    if (Alan == "NoktaNo") return "Nokta No";
    if (Tablo == "Koordinatlar") {
        if (Alan == "X1") return "X";
        if (Alan == "X2") return "Y";
        if (Alan == "X3") return "Z";
    }
    if (Tablo == "KesitBilgileri") {
        if (Alan == "ix") return "J";
        if (Alan == "iy") return "Iy";
        if (Alan == "iz") return "Iz";
    }
    if (Tablo == "SinirKosullari") {
        if (Alan == "Fix") return "Dönme X";
        if (Alan == "Fiy") return "Dönme Y";
        if (Alan == "Fiz") return "Dönme Z";
    }
    return Alan;
}
