// A shell that states the core's text again, French text and a rectangle.
auto title = "Sans titre";  // "Sans titre"
auto prompt = "Arrêt";
QRect area(15, 5, 168, 68);
