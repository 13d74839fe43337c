#include "question_pictures.h"

const QMap<QString, TPicturePainter> &QuestionPicturePainters()
{
    static const QMap<QString, TPicturePainter> painters = [] {
        QMap<QString, TPicturePainter> map;
        AddSignPainters(map);
        AddMoreSignPainters(map);
        AddScenePainters(map);
        AddMoreScenePainters(map);
        return map;
    }();
    return painters;
}
