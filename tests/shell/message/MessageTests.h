#pragma once

#include <QObject>

class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void linesFollowBarsAndKeepInnerSpaces_data();
    void linesFollowBarsAndKeepInnerSpaces();
    void longLineWrapsAtWordBoundary();
    void wordWiderThanWrapWidthIsBroken();
    void shortTextGetsMinimumHeightAndCentredButton();
    void captionAndButton();
    void onlyTheButtonCloses_data();
    void onlyTheButtonCloses();
    void focusGoesBackAndResultIsOne();
    void placement_data();
    void placement();
};

class ProgramIconTest : public QObject {
    Q_OBJECT

private slots:
    void isThirtyTwoSquareInSixteenColours();
};
