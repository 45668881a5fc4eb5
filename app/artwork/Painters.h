#pragma once
// One painter per picture. Each draws into a painter whose device is exactly the picture's
// size, starting from a transparent canvas.

#include <QPainter>

void paintNewspaper(QPainter& painter, int width, int height);
void paintDiary(QPainter& painter, int width, int height);
void paintAirportBanner(QPainter& painter, int width, int height);
void paintPeddlerIcon(QPainter& painter, int size);
void paintDoctorBagIcon(QPainter& painter, int size);
void paintGoodsBoxIcon(QPainter& painter, int size);
