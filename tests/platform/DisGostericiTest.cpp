// The outside PDF viewer on a machine set up by scripts/kur.sh: the script
// installs one of the viewers the program looks for, and that viewer opens a
// PDF given as its one argument and ends again when the program closes it.
#include <gtest/gtest.h>

#include <QStandardPaths>
#include <QThread>
#include <fstream>
#include <regex>

#include "TestYardim.h"
#include "platform/DisGosterici.h"

TEST(DisGosterici, KurulumBirGostericiKurarVeGostericiAcilipKapanir) {
    const std::string betik = KaynakMetni("../scripts/kur.sh");
    ASSERT_FALSE(betik.empty());
    std::string kurulan;
    for (const std::string& ad : PdfGostericileri())
        if (std::regex_search(betik, std::regex("PAKETLER=\\(([^)]*\\s)?" + ad + "[\\s)]"))) kurulan = ad;
    ASSERT_FALSE(kurulan.empty()) << "scripts/kur.sh installs none of the viewers looked for";

    if (QStandardPaths::findExecutable(QString::fromStdString(kurulan)).isEmpty())
        GTEST_SKIP() << kurulan << " is not installed here";
    // A one-page PDF written by hand.
    GeciciKlasor k;
    const std::string pdf = k.Dosya("Bos sayfa.pdf");
    {
        std::ofstream o(pdf, std::ios::binary);
        o << "%PDF-1.4\n1 0 obj<</Type/Catalog/Pages 2 0 R>>endobj\n"
             "2 0 obj<</Type/Pages/Kids[3 0 R]/Count 1>>endobj\n"
             "3 0 obj<</Type/Page/Parent 2 0 R/MediaBox[0 0 200 200]>>endobj\n"
             "trailer<</Root 1 0 R>>\n%%EOF\n";
    }
    qputenv("ORVELTA_PDF_GOSTERICI", QByteArray::fromStdString(kurulan));
    ASSERT_TRUE(DisGostericiyiAc(pdf));
    QThread::msleep(1500);
    EXPECT_TRUE(DisGostericiCalisiyor());  // still showing the file
    DisGostericiyiKapat();
    EXPECT_FALSE(DisGostericiCalisiyor());
    qunsetenv("ORVELTA_PDF_GOSTERICI");
}
