#pragma once

#include "core/stored_user_values.h"
#include "data/db_module.h"
#include "support/fakes.h"

#include <QString>

#include <memory>

// A small installation on disk for the progress tests: two class-B questions, one questionnaire of
// both, a set to buy as a whole ("Kauf", price 100) and a set of one picture (price 22), version.ini
// with a faultless questionnaire worth 500 points.
void WriteProgressInstallation(const QString &programFolder);

// The program as far as the progress steps need it: stored values restored, tables loaded,
// installation settings read, class B in force.
struct TProgressProgram
{
    explicit TProgressProgram(const QString &programFolder, IDialogPort *dialogs = nullptr);

    // A faultless test of the questionnaire, evaluated.
    void EvaluateFaultlessQuestionnaire();
    // Buys the set "Kauf", then the only picture of the other set.
    void BuySetAndPicture();

    ScriptedRandom random;
    TStoredUserValues stored;
    std::unique_ptr<TMainDataModule> module;
};
