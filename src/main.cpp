// Placeholder until the SDL2 backend lands.
int main() { return 0; }
