#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <cmath>

#include "TestSupport.h"
#include "shell/Random.h"
#include "shell/RichTextBox.h"
#include "shell/Screens.h"
#include "variants/Listing.h"
#include "variants/frmMandiversi.h"

namespace {

constexpr std::uint32_t Seed = 1234;
enum Kind { Cube = 11, Relief, Preview };

// A drawing as its rules read, one pixel at a time in the screen's scan order (columns
// outer): the variants carry m on from pixel to pixel, the relief its colour, and the
// preview takes one random number for each pixel it draws.
std::function<ColourNumber(int, int)> plain(int kind) {
    const double h = kind == Preview ? 1.25 / (0.9 - 0.2) : 1.25 / 0.9;
    const double cx = kind == Cube ? -0.05 : -0.68, cy = kind == Cube ? -0.01 : -0.1;
    const double xmin = cx - h, xmax = cx + h, ymin = cy - h, ymax = cy + h;
    const double a0 = -0.065, a1 = a0 + 0.75, b0 = 0.4, b1 = b0 + 0.7;
    double m = 0;
    ColourNumber last = Colour::Black;
    return [=](int i, int j) mutable -> ColourNumber {
        if (kind == Preview ? i % 2 || j % 2 : i == 0 || j == 0) {
            return Colour::Black;
        }
        // The relief iterates with the constant -u - i v.
        const double x0 =
            kind == Relief ? -(a0 + i * (a1 - a0) / 900) : xmin + (i / 200.0) * (xmax - xmin);
        const double y0 =
            kind == Relief ? -(b0 + j * (b1 - b0) / 150) : ymax + (j / 200.0) * (ymin - ymax);
        double p = 0, q = 0;
        int n = 0;
        do {
            const double k = ++n, k2 = k * k;
            double P = p * p - q * q + x0, Q = 2 * p * q + y0;
            if (kind == Cube) {
                P = p * p * p - 3 * p * (q * q) + x0;
                Q = 3 * (p * p) * q - q * q * q + y0;
            } else if (kind <= 3) {
                const double A = P + std::cos(y0 * m * k), B = Q + std::sin(k * m);
                P = kind == 2 ? A * std::fabs(q) : kind == 3 ? A * std::fabs(y0) : A;
                Q = kind == 2 ? B + std::sin(m) : kind == 3 ? B + std::fabs(x0) : B;
            }
            const double P2 = P * P, Q2 = Q * Q;
            const double M = kind == 4   ? P2 * std::cos(k) + Q2 * std::sin(k)
                             : kind == 5 ? P2 * std::cos(k) + Q * P * std::sin(k)
                             : kind == 6 ? P / (P * std::cos(k2)) + std::sin(k2) * Q2
                             : kind == 7 ? P2 * std::cos(k) + (Q - std::sin(k) * Q)
                             : kind == 8
                                 ? P * std::fabs(y0 * k2) * k + std::fabs(std::cos(k * P)) * Q2
                             : kind == 9  ? P * std::cos(k) * k + std::fabs(std::cos(Q)) * Q2
                             : kind == 10 ? P * std::cos(2 * k) * m + std::fabs(std::cos(k)) * Q2
                                          : P2 + Q2;
            // A value beyond the doubles, or a zero divisor, ends a variant's pixel as
            // escaped, its m kept for the next one.
            if (!std::isfinite(P) || !std::isfinite(Q) || !std::isfinite(M)) {
                return (n + 10000) * n;
            }
            p = P, q = Q, m = M;
        } while (m <= (kind == Cube || kind == Relief ? 10 : 4) && n <= (kind == Relief ? 70 : 60));
        if (kind == Relief) {
            const ColourNumber bands[] = {Colour::Blue, 18 * n + 500, 25000 * n, 50 * n + 500};
            return last = n >= 70 ? last : bands[(n >= 3) + (n > 15) + (n > 55)];
        }
        const auto shade = kind == Preview ? static_cast<ColourNumber>(Random::next() * n) : n;
        if (m < 4) {
            return kind == Cube || kind == Preview ? Colour::Black : Colour::Blue;
        }
        return kind == Cube ? n * 100000 : shade * (n + 10000);
    };
}

class VariantScreen : public ScriptedTest {
  protected:
    void SetUp() override {
        ScriptedTest::SetUp();
        Random::seed(Seed);
        form = open();
        RealInput::activate(form);
    }
    void TearDown() override { Screens::unloadAll(); }

    static frmMandiversi* open() {
        return qobject_cast<frmMandiversi*>(Screens::show(QStringLiteral("frmMandiversi")));
    }

    frmMandiversi* form = nullptr;
};

}  // namespace

TEST_F(VariantScreen, EachDrawingIsItsRulesComputedPlainly) {
    // What is typed, the button, the drawing, how the box's text ends then.
    using V = frmMandiversi;
    const char* const variantText = "POTRAI INSERIRE UN FILE D'ESEMPIO IN VBASIC";
    std::vector<std::tuple<QString, QPushButton * V::*, int, const char*>> cases = {
        {"", nullptr, Preview, "si chiama a sua volta listato_vb."},
        {"4", &V::Cmdterza, Cube, "elevando alla terza Z "},
        {"4", &V::Cmdtredi, Relief, "elevando alla terza Z "}};
    for (const char* typed :
         {"1", "11", "1,0", "2,5", "2", "3", "4", "5", "6", "7", "8", "9", "10"}) {
        const int whole = QString(typed).toInt();  // 0 for 1,0 and 2,5
        cases.emplace_back(typed, &V::Cmdstart, whole >= 2 && whole <= 10 ? whole : 1, variantText);
    }
    for (const auto& [typed, button, kind, boxEnds] : cases) {
        SCOPED_TRACE(typed.toStdString() + " " + std::to_string(kind));
        if (button) {
            form->Text1->setText(typed);
            RealInput::click(form->*button);
        }
        Random::seed(Seed);
        const int columns = kind == Relief ? 300 : 200;
        ASSERT_EQ(form->Picture1->width(), columns);
        auto expected = plain(kind);
        // The rules run on past the last row and column, as the screen's drawing does.
        for (int i = 0; i <= columns; ++i) {
            for (int j = 0; j <= 200; ++j) {
                const ColourNumber colour = expected(i, j) & 0xFFFFFF;
                if (i < columns && j < 200) {
                    ASSERT_EQ(form->Picture1->Point(i, j), colour) << i << "," << j;
                }
            }
        }
        EXPECT_EQ(form->Cmdstart->text(), button ? "DISEGNA" : "Disegna");
        EXPECT_TRUE(form->RiTeBox->toPlainText().endsWith(QLatin1String(boxEnds)));
    }
}

TEST_F(VariantScreen, OpeningAgainKeepsThePictureUntilFineAnsweredYesUnloadsTheScreen) {
    const QImage preview = form->Picture1->image().copy();
    form->Text1->setText(QStringLiteral("7"));
    EXPECT_EQ(open(), form);
    dialogs->answers = {Dialogs::Answer::No, Dialogs::Answer::Yes};
    RealInput::click(form->cmdfine);
    EXPECT_EQ(form->Picture1->image(), preview);
    EXPECT_EQ(form->Text1->text(), "7");
    RealInput::click(form->cmdfine);
    EXPECT_EQ(dialogs->messages(), std::vector<QString>(2, "Sei sicuro di voler USCIRE ?"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // The next opening loads it afresh, with a preview of the generator as it stands.
    form = open();
    EXPECT_NE(form->Picture1->image(), preview);
    EXPECT_EQ(form->Text1->text(), "1");
}

// The name's last suffix decides the format, the filter only where it names neither.
TEST_F(VariantScreen, SavesInTheFormatOfTheNamesSuffixOrElseOfTheFilter) {
    QTemporaryDir folder;
    // The name typed, the filter chosen, the format saved (none: a message), and the
    // mean difference of a part of a pixel, in hundredths, that reducing colours brings.
    const std::tuple<const char*, int, const char*, int> cases[] = {
        {"anteprima.gif", 0, "gif", 100}, {"rilievo.bmp", 0, "bmp", 0},
        {"rilievo.GIF", 0, "gif", 0},     {"rilievo", 1, "gif", 0},
        {"disegno.gif.bmp", 1, "bmp", 0}, {"manca/f.gif", 1, nullptr, 0},
        {"manca/f.bmp", 0, nullptr, 0},   {"", 1, nullptr, 0}};
    for (const auto& [name, filter, format, meanError] : cases) {
        SCOPED_TRACE(name);
        const QString path = folder.filePath(QLatin1String(name));
        if (name != std::get<0>(cases[0]) && form->Picture1->width() != 300) {
            RealInput::click(form->Cmdtredi);
        }
        dialogs->shown.clear();
        dialogs->files = {*name ? path : QString()};
        dialogs->chosenFilters = {filter};
        RealInput::click(form->Cmdsalva);
        const QString failed =
            QStringLiteral("L'immagine non è stata salvata: impossibile scrivere il file ") +
            QDir::toNativeSeparators(path);
        EXPECT_EQ(dialogs->messages(), std::vector<QString>(!format && *name ? 1 : 0, failed));
        if (!format) {
            continue;
        }
        QImageReader reader(path);
        EXPECT_EQ(reader.format(), QByteArray(format));
        const QImage read = reader.read().convertToFormat(QImage::Format_RGB32);
        const QImage shown = form->Picture1->image().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(read.size(), shown.size());
        long long error = 0;
        for (int k = 0, w = read.width(); k < w * read.height(); ++k) {
            const QRgb a = read.pixel(k % w, k / w), b = shown.pixel(k % w, k / w);
            error += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                     std::abs(qBlue(a) - qBlue(b));
        }
        EXPECT_LE(error * 100, meanError * 3LL * read.width() * read.height());
    }
}

TEST_F(VariantScreen, ListingShowsTheFileAsItStandsOrLeavesTheBoxAsItWas) {
    QTemporaryDir folder;
    const auto file = [&](const char* name, const QByteArray& bytes) {
        QFile out(folder.filePath(QLatin1String(name)));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
        return out.fileName();
    };
    const QString huge = file("enorme.txt", "10 REM\n");
    ASSERT_TRUE(QFile::resize(huge, Listing::MaxBytes + 1));
    // The file chosen, and what the box shows then (none: what it showed before).
    const std::pair<QString, const char*> cases[] = {
        {file("ricco.txt", "{\\b Sub}\r\n<i>End</i>\r\n"), "{\\b Sub}\n<i>End</i>\n"},
        {file("vecchio.txt", "perch\xe8 cos\xec\n"), "perchè così\n"},
        {file("finale.txt", "FINE cos\xec"), "FINE così"},
        {file("nuovo.batch", "perché è così"), "perché è così"},

        {folder.filePath("manca.txt"), nullptr},
        {folder.path(), nullptr},
        {huge, nullptr},
        {QString(), nullptr}};
    for (const auto& [path, shown] : cases) {
        SCOPED_TRACE(path.toStdString());
        form->RiTeBox->setPlainText(QStringLiteral("prima"));
        dialogs->files = {path};
        RealInput::click(form->Cmdlistato);
        EXPECT_EQ(form->RiTeBox->toPlainText(), shown ? shown : "prima");
    }
    EXPECT_TRUE(dialogs->messages().empty());

    // The dialog opens beside the program if the sample lies there, else in the shared data.
    ASSERT_TRUE(QDir(folder.path()).mkpath("share/frattalia") && QDir(folder.path()).mkpath("bin"));
    for (const char* place : {"share/frattalia", "bin"}) {
        file((std::string(place) + "/listato_vb.txt").c_str(), "10 END\n");
        EXPECT_EQ(Listing::sampleFolder(folder.filePath("bin")), folder.filePath(place));
    }
}
