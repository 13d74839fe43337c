#include "question_pictures.h"

const QMap<QString, TPicturePainter> &QuestionPicturePainters()
{
    static const QMap<QString, TPicturePainter> painters = [] {
        QMap<QString, TPicturePainter> map;
        AddSignPainters(map);
        AddScenePainters(map);
        return map;
    }();
    return painters;
}
