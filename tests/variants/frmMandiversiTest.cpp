#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "shell/Canvas.h"
#include "shell/Controls.h"
#include "shell/Dialogs.h"
#include "shell/Random.h"
#include "shell/RichTextBox.h"
#include "shell/Screens.h"
#include "variants/Relief.h"
#include "variants/VariantSets.h"
#include "variants/frmMandiversi.h"

namespace {

const QString NotANumber =
    QStringLiteral("Inserisci un numero da 1 a 10 nella finestrella bianca in alto!");

class VariantScreen : public ::testing::Test {
  protected:
    void SetUp() override {
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        Dialogs::install(std::move(scripted));
        Random::seed(1234);
        form = open();
        ASSERT_NE(form, nullptr);
    }

    void TearDown() override { Screens::unloadAll(); }

    static frmMandiversi* open() {
        return qobject_cast<frmMandiversi*>(Screens::show(QStringLiteral("frmMandiversi")));
    }

    QImage picture() const { return form->Picture1->image().copy(); }

    // The picture area's pixels (1..w-1, 1..h-1) against a kernel's column-major buffer
    // whose first entry is pixel (1, 1).
    void expectDrawn(const std::vector<ColourNumber>& colours, int columns, int rows) const {
        for (int i = 1; i < columns; ++i) {
            for (int j = 1; j < rows; ++j) {
                ASSERT_EQ(form->Picture1->Point(i, j), colours[(i - 1) * rows + (j - 1)] & 0xFFFFFF)
                    << i << "," << j;
            }
        }
        for (int k = 0; k < rows; ++k) {
            ASSERT_EQ(form->Picture1->Point(0, k), Colour::Black) << k;
        }
    }

    void expectIdle() const {
        EXPECT_EQ(form->Cmdstart->text(), "DISEGNA");
        EXPECT_EQ(backColor(form->Cmdstart), Colour::Green);
        EXPECT_EQ(form->MousePointer(), 2);
    }

    frmMandiversi* form = nullptr;
    ScriptedDialogs* dialogs = nullptr;
};

TEST_F(VariantScreen, OpensCentredWithItsControlsAtTheirPlaces) {
    EXPECT_EQ(form->windowTitle(), "Insiemi di Mandelbrot diversi");
    EXPECT_EQ(form->geometry().size(), QSize(530, 364));
    EXPECT_EQ(form->geometry().center(), QRect(0, 0, 1024, 768).center());
    EXPECT_EQ(form->Cmdstart->geometry(), QRect(432, 8, 81, 33));
    EXPECT_EQ(form->Text1->geometry(), QRect(384, 8, 33, 33));
    EXPECT_EQ(form->Picture1->geometry(), QRect(104, 8, 200, 200));
    EXPECT_EQ(form->Cmdterza->geometry(), QRect(432, 64, 81, 33));
    EXPECT_EQ(form->Cmdtredi->geometry(), QRect(432, 120, 81, 33));
    EXPECT_EQ(form->Cmdsalva->geometry(), QRect(432, 168, 81, 33));
    EXPECT_EQ(form->Cmdlistato->geometry(), QRect(440, 248, 81, 33));
    EXPECT_EQ(form->cmdfine->geometry(), QRect(440, 304, 81, 33));
    EXPECT_EQ(form->RiTeBox->geometry(), QRect(8, 248, 425, 105));

    EXPECT_EQ(form->Cmdstart->text(), "Disegna");
    EXPECT_EQ(form->Cmdterza->text(), "Mandel alla terza");
    EXPECT_EQ(form->Cmdtredi->text(), "Mandel tridimensionale");
    EXPECT_EQ(form->Cmdsalva->text(), "Salva l'immagine");
    EXPECT_EQ(form->Cmdlistato->text(), "Listato");
    EXPECT_EQ(form->cmdfine->text(), "Fine");
    EXPECT_EQ(form->Text1->text(), "1");
    for (QPushButton* green : {form->Cmdstart, form->Cmdterza, form->Cmdtredi}) {
        EXPECT_EQ(backColor(green), Colour::Green) << green->objectName().toStdString();
    }
    EXPECT_EQ(form->surface()->BackColor(), Colour::WindowGrey);
    EXPECT_EQ(form->Picture1->objectName(), "Picture1");
    EXPECT_EQ(form->RiTeBox->objectName(), "RiTeBox");
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(VariantScreen, TabGoesThroughTheControlsInTheDesignOrder) {
    const std::vector<QWidget*> order = {form->Cmdstart,   form->Picture1, form->Text1,
                                         form->RiTeBox,    form->Cmdterza, form->Cmdtredi,
                                         form->Cmdlistato, form->cmdfine,  form->Cmdsalva};
    for (std::size_t k = 1; k < order.size(); ++k) {
        QWidget* next = order[k - 1]->nextInFocusChain();
        // A text box's own viewport may sit between; skip what takes no tab.
        while (next != order[k] && !(next->focusPolicy() & Qt::TabFocus)) {
            next = next->nextInFocusChain();
        }
        EXPECT_EQ(next, order[k]) << k;
    }
}

TEST_F(VariantScreen, LoadDrawsTheCoarsePreviewAndTheInstructions) {
    Random::seed(1234);
    const std::vector<ColourNumber> expected = VariantSets::preview(Random::next);
    for (int i = 0; i < 200; ++i) {
        for (int j = 0; j < 200; ++j) {
            ASSERT_EQ(form->Picture1->Point(i, j), expected[i * 201 + j]) << i << "," << j;
        }
    }
    EXPECT_EQ(form->Picture1->Point(100, 100), Colour::Black);
    EXPECT_EQ(form->Picture1->Point(39, 94), Colour::Black);
    EXPECT_NE(form->Picture1->Point(38, 94), Colour::Black);

    const QString text = form->RiTeBox->toPlainText();
    EXPECT_EQ(text, frmMandiversi::loadInstructions());
    EXPECT_TRUE(text.startsWith(QStringLiteral("Istruzioni") + QString(131, ' ') +
                                QStringLiteral("Inserisci un numero da 1 a 10")));
    EXPECT_TRUE(text.contains(QStringLiteral("simili a dei prati, ") + QString(104, ' ') +
                              QStringLiteral("inserendo i numeri da 4 a 10")));
    EXPECT_TRUE(text.contains(QStringLiteral("Mandelbrot.") + QString(91, ' ') +
                              QStringLiteral("CLICCANDO SU (LISTATO)")));
    EXPECT_TRUE(text.endsWith(QStringLiteral(
        "IN VBASIC Il file è allegato al programma e si chiama a sua volta listato_vb.")));
}

TEST_F(VariantScreen, OpeningAgainWithoutFineKeepsTheSamePreview) {
    const QImage before = picture();
    form->Text1->setText(QStringLiteral("7"));
    EXPECT_EQ(open(), form);
    EXPECT_EQ(picture(), before);
    EXPECT_EQ(form->Text1->text(), "7");
}

TEST_F(VariantScreen, FineAnsweredNoKeepsTheScreenAndItsPicture) {
    form->Cmdterza_Click();
    const QImage drawn = picture();
    dialogs->answers.push_back(Dialogs::Answer::No);
    form->cmdfine_Click();
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, "Sei sicuro di voler USCIRE ?");
    EXPECT_EQ(dialogs->shown[0].title, "Tessivelo");
    EXPECT_EQ(dialogs->shown[0].buttons, Dialogs::Buttons::YesNo);
    EXPECT_EQ(dialogs->shown[0].icon, Dialogs::Icon::Question);
    EXPECT_EQ(Screens::find(QStringLiteral("frmMandiversi")), form);
    EXPECT_EQ(picture(), drawn);
    EXPECT_EQ(Screens::find(QStringLiteral("frmMandel")), nullptr);
}

TEST_F(VariantScreen, FineAnsweredYesGoesBackAndTheNextOpeningLoadsAgain) {
    form->Cmdterza_Click();
    dialogs->answers.push_back(Dialogs::Answer::Yes);
    form->cmdfine_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Screens::find(QStringLiteral("frmMandiversi")), nullptr);
    EXPECT_NE(Screens::find(QStringLiteral("frmMandel")), nullptr);

    // The new load draws a new preview from the generator as it stands now.
    frmMandiversi* again = open();
    ASSERT_NE(again, nullptr);
    form = again;
    EXPECT_EQ(form->Picture1->Point(100, 100), Colour::Black);
    EXPECT_EQ(form->RiTeBox->toPlainText(), frmMandiversi::loadInstructions());
    EXPECT_EQ(form->Text1->text(), "1");
}

TEST_F(VariantScreen, DisegnaDrawsTheVariantOfTheBoxAndExplainsIt) {
    form->Cmdstart_Click();
    expectDrawn(VariantSets::variant(1), 200, 200);
    expectIdle();
    EXPECT_EQ(form->RiTeBox->toPlainText(), frmMandiversi::variantInstructions());
    EXPECT_TRUE(form->RiTeBox->toPlainText().endsWith(
        QStringLiteral("Mandelbrot. CLICCANDO SU (LISTATO) POTRAI INSERIRE UN FILE D'ESEMPIO "
                       "IN VBASIC")));
    EXPECT_TRUE(dialogs->shown.empty());

    form->Text1->setText(QStringLiteral("6"));
    form->Cmdstart_Click();
    expectDrawn(VariantSets::variant(6), 200, 200);
    expectIdle();
}

TEST_F(VariantScreen, NumbersOtherThanTwoToTenDrawTheFirstVariantAndRedrawsAgree) {
    form->Cmdstart_Click();
    const QImage first = picture();
    form->Cmdstart_Click();
    EXPECT_EQ(picture(), first);
    for (const char* same : {"11", "01", "1,0", "0", "-4", "2,5"}) {
        form->Text1->setText(QLatin1String(same));
        form->Cmdstart_Click();
        EXPECT_EQ(picture(), first) << same;
    }
    form->Text1->setText(QStringLiteral("4"));
    form->Cmdstart_Click();
    EXPECT_NE(picture(), first);
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(VariantScreen, NotANumberAsksForOneAndDrawsNothing) {
    const QImage preview = picture();
    const QString instructions = form->RiTeBox->toPlainText();
    for (const char* wrong : {"a", "", "  ", "1,2,3"}) {
        form->Text1->setText(QLatin1String(wrong));
        form->Cmdstart_Click();
        EXPECT_EQ(picture(), preview) << wrong;
    }
    EXPECT_EQ(dialogs->messages(), std::vector<QString>(4, NotANumber));
    EXPECT_EQ(dialogs->shown[0].title, "frattalia");
    EXPECT_EQ(dialogs->shown[0].buttons, Dialogs::Buttons::Ok);
    EXPECT_EQ(form->RiTeBox->toPlainText(), instructions);
    EXPECT_EQ(form->Cmdstart->text(), "Disegna");
    EXPECT_EQ(form->Text1->text(), "1,2,3");
}

TEST_F(VariantScreen, VariantSixWithItsZeroDivisorsDrawsWithoutFailing) {
    form->Text1->setText(QStringLiteral("6"));
    form->Cmdstart_Click();
    expectIdle();
    EXPECT_TRUE(dialogs->shown.empty());
    // Each pixel is blue or an escape colour.
    for (int i = 1; i < 200; ++i) {
        for (int j = 1; j < 200; ++j) {
            const ColourNumber colour = form->Picture1->Point(i, j);
            ASSERT_TRUE(colour == Colour::Blue || (colour >= 10001 && colour <= 613721))
                << i << "," << j << ": " << colour;
        }
    }
}

TEST_F(VariantScreen, CubeIsBlackInsideAndVariantsAreBlue) {
    form->Cmdterza_Click();
    expectDrawn(VariantSets::cube(), 200, 200);
    expectIdle();
    EXPECT_EQ(form->Picture1->Point(100, 100), Colour::Black);
    EXPECT_EQ(form->RiTeBox->toPlainText(), frmMandiversi::cubeInstructions());
    EXPECT_EQ(form->RiTeBox->toPlainText(),
              QStringLiteral("Istruzioni") + QString(149, ' ') +
                  QStringLiteral("La formula normale per l'insieme di Mandelbrot è : Z ² + c .") +
                  QString(98, ' ') + QStringLiteral("Questo è ottenuto elevando alla terza Z "));

    form->Text1->setText(QStringLiteral("4"));
    form->Cmdstart_Click();
    EXPECT_EQ(form->Picture1->Point(100, 100), Colour::Blue);
}

TEST_F(VariantScreen, ReliefWidensTheAreaAndDisegnaPutsItBack) {
    form->Cmdtredi_Click();
    EXPECT_EQ(form->Picture1->geometry(), QRect(13, 8, 300, 200));
    expectDrawn(Relief::relief(), 300, 200);
    expectIdle();
    // The first pixel lies inside the set and nothing was drawn before it.
    EXPECT_EQ(form->Picture1->Point(1, 1), Colour::Black);
    EXPECT_EQ(form->Picture1->Point(1, 2), Colour::Black);
    // The instructions stay as they were.
    EXPECT_EQ(form->RiTeBox->toPlainText(), frmMandiversi::loadInstructions());

    form->Cmdstart_Click();
    EXPECT_EQ(form->Picture1->geometry(), QRect(104, 8, 200, 200));
    EXPECT_EQ(form->Picture1->image().width(), 200);
    expectDrawn(VariantSets::variant(1), 200, 200);

    form->Cmdtredi_Click();
    form->Cmdterza_Click();
    EXPECT_EQ(form->Picture1->geometry(), QRect(104, 8, 200, 200));
}

// The relief is saved 300 pixels wide, in the format of the name's suffix.
TEST_F(VariantScreen, TheNamesSuffixThenTheFilterChooseTheFormat) {
    form->Cmdtredi_Click();
    const QImage shown = form->Picture1->image().convertToFormat(QImage::Format_RGB32);
    QTemporaryDir folder;
    struct Case {
        const char* name;
        int filter;
        const char* format;
    };
    for (const Case& c : {Case{"rilievo.bmp", 0, "bmp"}, Case{"rilievo.GIF", 0, "gif"},
                          Case{"rilievo.gif", 1, "gif"}, Case{"disegno.bmp", 1, "bmp"},
                          Case{"disegno.gif.bmp", 1, "bmp"}}) {
        SCOPED_TRACE(c.name);
        const QString path = folder.filePath(QLatin1String(c.name));
        dialogs->files = {path};
        dialogs->chosenFilters = {c.filter};
        form->Cmdsalva_Click();
        EXPECT_EQ(dialogs->shown.back().title, "Salva l'immagine con il testo");
        QImageReader reader(path);
        EXPECT_EQ(reader.format(), QByteArray(c.format));
        // The relief has fewer than 256 colours: the GIF keeps every one.
        EXPECT_EQ(reader.read().convertToFormat(QImage::Format_RGB32), shown);
    }

    // Without a suffix the filter decides. The preview's many random colours are
    // reduced, and the file still opens.
    Screens::unloadAll();
    Random::seed(99);
    form = open();
    ASSERT_NE(form, nullptr);
    const QString preview = folder.filePath(QStringLiteral("anteprima"));
    dialogs->files = {preview};
    dialogs->chosenFilters = {1};
    form->Cmdsalva_Click();
    QImageReader reader(preview);
    EXPECT_EQ(reader.format(), QByteArray("gif"));
    EXPECT_EQ(reader.read().size(), QSize(200, 200));
    EXPECT_TRUE(dialogs->messages().empty());
}

TEST_F(VariantScreen, FailedSaveSaysThePictureWasNotSaved) {
    QTemporaryDir folder;
    const QString bitmap = folder.filePath(QStringLiteral("manca/figura.bmp"));
    const QString gif = folder.filePath(QStringLiteral("manca/figura.gif"));
    dialogs->files = {bitmap, gif};
    form->Cmdsalva_Click();
    form->Cmdsalva_Click();
    EXPECT_EQ(dialogs->messages(),
              (std::vector<QString>{
                  QStringLiteral("L'immagine non è stata salvata: impossibile scrivere il file ") +
                      QDir::toNativeSeparators(bitmap),
                  QStringLiteral("L'immagine non è stata salvata: impossibile scrivere il file ") +
                      QDir::toNativeSeparators(gif)}));
}

TEST_F(VariantScreen, CancellingEitherDialogChangesNothing) {
    const QImage before = picture();
    const QString text = form->RiTeBox->toPlainText();
    form->Cmdsalva_Click();
    form->Cmdlistato_Click();
    ASSERT_EQ(dialogs->shown.size(), 2u);
    EXPECT_EQ(dialogs->shown[0].kind, ScriptedDialogs::Kind::SaveFile);
    EXPECT_EQ(dialogs->shown[1].kind, ScriptedDialogs::Kind::OpenFile);
    EXPECT_EQ(dialogs->shown[1].title, "Inserisci il listato");
    EXPECT_TRUE(dialogs->messages().empty());
    EXPECT_EQ(picture(), before);
    EXPECT_EQ(form->RiTeBox->toPlainText(), text);
}

TEST_F(VariantScreen, ListingWithMarkupIsShownAsRawText) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("listato.txt"));
    const QByteArray raw =
        "{\\rtf1\\ansi\\deff0 {\\b Private Sub} Form_Load()\\par}\r\n<i>End Sub</i>\r\n";
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(raw);
    }
    dialogs->files.push_back(path);
    form->Cmdlistato_Click();
    EXPECT_EQ(form->RiTeBox->toPlainText(),
              "{\\rtf1\\ansi\\deff0 {\\b Private Sub} Form_Load()\\par}\n<i>End Sub</i>\n");
    EXPECT_TRUE(dialogs->messages().empty());
}

TEST_F(VariantScreen, UnreadableListingLeavesTheBoxAsItWas) {
    const QString text = form->RiTeBox->toPlainText();
    QTemporaryDir folder;
    dialogs->files = {folder.filePath(QStringLiteral("manca.txt")), folder.path()};
    form->Cmdlistato_Click();
    form->Cmdlistato_Click();
    EXPECT_EQ(form->RiTeBox->toPlainText(), text);
    EXPECT_TRUE(dialogs->messages().empty());
}

}  // namespace

