#include "model/mainview.h"

#include "model/listlines.h"

MainView ReloadAll(SetsBuffer& buffer, EditState& state)
{
    MainView view;
    state.layout = LayoutOf(buffer);
    view.layout = state.layout;
    view.stepLines = StepListLines(buffer, state.layout);
    state.currentStep = 0;
    view.step = LoadStepControls(buffer, state.currentStep);
    view.annualLines = AnnualListLines(buffer, state.layout);
    state.currentAnnual = 0;
    view.annual = LoadAnnualControls(buffer, state.layout, state.currentAnnual);
    view.status = LoadStatusControls(buffer);
    view.stepNumbers = RecordNumbers(state.layout.stepCount);
    view.annualNumbers = RecordNumbers(state.layout.annualCount);
    return view;
}
