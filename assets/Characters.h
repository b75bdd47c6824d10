#pragma once

#include <QPainter>

// The four friends of the island, drawn with simple outlined shapes.
//
// Every character is drawn in its own units around the centre of its head,
// then placed with a scale: one unit is one pixel at scale 1.
//   Zuk and Zukky (owls): head radius about 52; whole body from y -75 (ear
//     tufts) to y 120 (feet), x about -62..62 with wings down.
//   Piko (chick): one round body of radius 50 around the origin, tuft to y -70,
//     feet to y 60.
//   Midori (girl): head radius about 40; hair from y -48, pigtails to x +-75,
//     shoes to y 158.
namespace art {

enum class Who { Zuk, Zukky, Piko, Midori };

enum class Mood {
    Normal,   // friendly smile
    Happy,    // closed smiling eyes
    Excited,  // big sparkling eyes, open mouth
    Cheer,    // closed smiling eyes, open mouth
    Sad,      // drooping brows
    Cry,      // closed eyes and tears
    Troubled, // squeezed eyes and a sweat drop
};

enum class Pose {
    Stand,
    Wave,        // right arm raised
    ArmsUp,      // both arms raised
    Down,        // arms hanging, shoulders low
    HeadScratch, // right hand on the head
    HandsToFace, // hands at the cheeks
    HoldOut,     // right arm held forward (holding something)
};

struct Figure {
    Who who = Who::Zuk;
    Pose pose = Pose::Stand;
    Mood mood = Mood::Normal;
    bool halo = false;        // angel ring above the head
    bool angelWings = false;  // white wings behind the back
    bool professor = false;   // lab coat, glasses and mortarboard
    bool flower = false;      // a flower in the right hand
};

// The head (or, for Piko, the round body without feet) only.
void drawFace(QPainter &p, Who who, Mood mood, QPointF headCentre, qreal scale);
// The head with both wings (or arms) thrown up in a cheer.
void drawCheeringFace(QPainter &p, Who who, QPointF headCentre, qreal scale);
// The whole figure.
void drawFigure(QPainter &p, const Figure &figure, QPointF headCentre, qreal scale);

// Props used by several pictures.
void drawFlower(QPainter &p, QPointF centre, qreal size, const QColor &petals);
void drawRainCloud(QPainter &p, QPointF centre, qreal width);
void drawTearDrop(QPainter &p, QPointF top, qreal size);

} // namespace art
