#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "ExplorerFixture.h"
#include "mandel/ParameterFile.h"

namespace {

const QString SaveQuestion = QStringLiteral(
    " Devi inserire un floppy disk, se vuoi salvare i parametri dell'insieme di Mandelbrot ");
const QString LoadQuestion = QStringLiteral(
    "Se vuoi caricare i parametri, devi inserire il dischetto che hai usato per salvarli, poi "
    "clicca su OK, altrimenti clicca su NO");
const QString ExitQuestion = QStringLiteral(
    " Vuoi salvare i parametri delle coordinate x e y prima di uscire?    Se si devi inserire un "
    "floppy disk ");

class ExplorerFiles : public Explorer {
  protected:
    void SetUp() override {
        Explorer::SetUp();
        ASSERT_TRUE(folder.isValid());
        ParameterFile::setPath(folder.filePath("caos1.txt"));
    }
    void TearDown() override { ParameterFile::setPath(QString()); }

    void setView(const QString& x, const QString& y, const QString& cycles, const QString& zoom) {
        form->Txtnx->setText(x);
        form->txtny->setText(y);
        form->txtcicli->setText(cycles);
        form->txtingr->setText(zoom);
    }
    void expectView(const QString& x, const QString& y, const QString& cycles,
                    const QString& zoom) {
        EXPECT_EQ(form->Txtnx->text(), x);
        EXPECT_EQ(form->txtny->text(), y);
        EXPECT_EQ(form->txtcicli->text(), cycles);
        EXPECT_EQ(form->txtingr->text(), zoom);
    }
    // Makes the file's place unwritable: a folder stands where the file should be.
    void blockTheFile() { ASSERT_TRUE(QDir(folder.path()).mkdir("caos1.txt")); }

    QTemporaryDir folder;
};

TEST_F(ExplorerFiles, SavingThenLoadingBringsBackTheFourTextsExactly) {
    setView("-0,750252702027307", "1,24345324727702E-02", "dieci", "90000");
    dialogs->answers = {Dialogs::Answer::Yes};
    form->salvaparamomentanei_Click();
    ASSERT_EQ(dialogs->messages(), std::vector<QString>{SaveQuestion});
    EXPECT_EQ(dialogs->shown[0].buttons, Dialogs::Buttons::YesNoCancel);
    EXPECT_EQ(dialogs->shown[0].icon, Dialogs::Icon::Question);
    EXPECT_EQ(dialogs->shown[0].title, "frattalia");
    EXPECT_FALSE(form->lblistruzione->isHidden());
    EXPECT_TRUE(form->lblistruzione->text().startsWith(
        "*****             Clicca su         (SALVA I PARAMETRI):"));
    QFile file(folder.filePath("caos1.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(),
              "\"-0,750252702027307\",\"1,24345324727702E-02\",\"dieci\",\"90000\"\r\n");

    setView("0", "0", "30", "1");
    const ColourNumber corner = form->pictmandel->Point(0, 0);
    dialogs->answers = {Dialogs::Answer::Yes};
    form->mnuParametri_Click();
    expectView("-0,750252702027307", "1,24345324727702E-02", "dieci", "90000");
    // Loading does not draw.
    EXPECT_EQ(form->pictmandel->Point(0, 0), corner);
    EXPECT_EQ(dialogs->messages().back(), LoadQuestion);
}

TEST_F(ExplorerFiles, AnsweringNoOrCancelWritesNothing) {
    for (Dialogs::Answer answer : {Dialogs::Answer::No, Dialogs::Answer::Cancel}) {
        dialogs->answers = {answer};
        form->salvaparamomentanei_Click();
        EXPECT_FALSE(QFile::exists(folder.filePath("caos1.txt")));
        EXPECT_FALSE(form->lblistruzione->isHidden());
    }
    EXPECT_EQ(dialogs->messages().size(), 2u);
}

TEST_F(ExplorerFiles, AFailedSaveSaysThereIsNoDisk) {
    blockTheFile();
    dialogs->answers = {Dialogs::Answer::Yes};
    form->salvaparamomentanei_Click();
    EXPECT_EQ(dialogs->messages(),
              (std::vector<QString>{SaveQuestion, " Non hai inserito il dischetto"}));
    EXPECT_EQ(dialogs->shown[1].buttons, Dialogs::Buttons::Ok);
    EXPECT_EQ(dialogs->shown[1].icon, Dialogs::Icon::None);
}

TEST_F(ExplorerFiles, LoadingChangesNothingUnlessFourFieldsAreRead) {
    setView("-1", "0,5", "40", "3");
    // No file: silent.
    dialogs->answers = {Dialogs::Answer::Yes};
    form->mnuParametri_Click();
    expectView("-1", "0,5", "40", "3");
    EXPECT_EQ(dialogs->messages().size(), 1u);

    QFile file(folder.filePath("caos1.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\"-0,5\",\"0,1\",\"50\"\r\n");
    file.close();
    dialogs->answers = {Dialogs::Answer::Yes};
    form->mnuParametri_Click();
    expectView("-1", "0,5", "40", "3");
    EXPECT_EQ(dialogs->messages().size(), 2u);

    // No: the page about loading; Cancel: nothing at all.
    form->lblistruzione->hide();
    dialogs->answers = {Dialogs::Answer::Cancel};
    form->mnuParametri_Click();
    EXPECT_TRUE(form->lblistruzione->isHidden());
    dialogs->answers = {Dialogs::Answer::No};
    form->mnuParametri_Click();
    EXPECT_FALSE(form->lblistruzione->isHidden());
    EXPECT_TRUE(form->lblistruzione->text().startsWith(
        " ******             Clicca su         (CARICA I PARAMETRI): _        "));
    expectView("-1", "0,5", "40", "3");
}

TEST_F(ExplorerFiles, ThePictureIsSavedAsABitmapOrNotAtAll) {
    const QString name = folder.filePath("mandel.bmp");
    dialogs->files = {name};
    form->Cmdsave_Click();
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].kind, ScriptedDialogs::Kind::SaveFile);
    EXPECT_EQ(dialogs->shown[0].title, "Save image");
    QImage saved(name, "BMP");
    ASSERT_EQ(saved.size(), QSize(300, 300));
    EXPECT_EQ(Colour::fromQRgb(saved.pixel(0, 0)), form->pictmandel->Point(0, 0));
    EXPECT_EQ(Colour::fromQRgb(saved.pixel(150, 150)), Colour::Black);

    // Cancelled: nothing; unwritable: a message, and the program goes on.
    dialogs->files = {""};
    form->Cmdsave_Click();
    EXPECT_EQ(dialogs->messages().size(), 0u);
    dialogs->files = {folder.path()};
    form->Cmdsave_Click();
    ASSERT_EQ(dialogs->messages().size(), 1u);
    EXPECT_TRUE(dialogs->messages()[0].startsWith("L'immagine non è stata salvata"));
}

TEST_F(ExplorerFiles, EndingTheProgramOffersToSaveTheView) {
    // Cancel: everything goes on.
    dialogs->answers = {Dialogs::Answer::Cancel};
    form->Cmdpagini_Click();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(dialogs->messages(), std::vector<QString>{ExitQuestion});
    EXPECT_EQ(dialogs->shown[0].buttons, Dialogs::Buttons::YesNoCancel);

    // Yes with no place to write: the program stays, the pupil may try again.
    blockTheFile();
    dialogs->answers = {Dialogs::Answer::Yes};
    form->Cmdpagini_Click();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(dialogs->messages().back(), "Devi inserire un dischetto");
    ASSERT_TRUE(QDir(folder.path()).rmdir("caos1.txt"));

    // No: the end, without touching the file.
    dialogs->answers = {Dialogs::Answer::No};
    form->Cmdpagini_Click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(QFile::exists(folder.filePath("caos1.txt")));
}

TEST_F(ExplorerFiles, EndingWithYesSavesTheViewFirst) {
    setView("-0,1", "0,9", "70", "25");
    dialogs->answers = {Dialogs::Answer::Yes};
    form->Cmdpagini_Click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(ParameterFile::load(), (ParameterFile::Fields{"-0,1", "0,9", "70", "25"}));
}

}  // namespace
