object Form2: TFuzzForm
end
