// Placeholder so the bench folder builds until the benchmarks land.
int main() { return 0; }
