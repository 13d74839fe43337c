#pragma once

#include "app/result_frame.h"

class QPlainTextEdit;
class TClickShape;

// The fail screen "versager": the result of a failed test with the reason it was failed, the
// review and another test.
class TVersagerFrame : public TResultFrame
{
    Q_OBJECT
public:
    TVersagerFrame(IScreenContext &context, QWidget *parent);

    void OnCreation() override;
    void ShowResult() override;

    // Why the test was failed: a short test fails with any wrong answer; a questionnaire of class MO
    // above 7 error points, of any other class above 10 or with two questions of 5 points.
    static QString Reason(int testKind, const QString &classCode, int wrongCount);

    QPlainTextEdit *DescMemo;
    TClickShape *LernenShape;
    TClickShape *TestShape;
};
