#include "app/experiment_state.h"

TExperimentState Experiment;
