// The floor of the benchmark: a program that starts and ends, built and linked as the sensor
// is, so that the sensor's own cost shows above what any program start costs.
int main() {
    return 0;
}
