#include "app/experiment/experiment_state.h"

TExperimentState Experiment;
