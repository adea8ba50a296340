object SLScopeAxesForm: TSLScopeAxesForm
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Axes'
  ClientHeight = 234
  ClientWidth = 419
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  PixelsPerInch = 96
  TextHeight = 13
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 161
    Height = 234
    BevelOuter = bvNone
    TabOrder = 0
    object AxisListBox: TCheckListBox
      Left = 4
      Top = 4
      Width = 153
      Height = 226
      TabOrder = 0
    end
  end
  object VisibleCheckBox: TCheckBox
    Left = 168
    Top = 8
    Width = 97
    Height = 17
    Caption = '&Visible'
    TabOrder = 1
  end
  object Label2: TLabel
    Left = 168
    Top = 32
    Width = 60
    Height = 13
    Caption = '&Scale Mode:'
  end
  object ScaleModeComboBox: TComboBox
    Left = 168
    Top = 48
    Width = 145
    Height = 21
    Style = csDropDownList
    TabOrder = 2
    Items.Strings = (
      'Linear'
      'Logarithmic'
      'Logarithmic Decades')
  end
  object GroupBox1: TGroupBox
    Left = 168
    Top = 73
    Width = 161
    Height = 97
    Caption = ' Label '
    TabOrder = 3
    object Label1: TLabel
      Left = 8
      Top = 48
      Width = 25
      Height = 13
      Caption = '&Label'
    end
    object LabelVisibleCheckBox: TCheckBox
      Left = 8
      Top = 20
      Width = 65
      Height = 17
      Caption = 'V&isible'
      TabOrder = 0
    end
    object BitBtn3: TBitBtn
      Left = 78
      Top = 16
      Width = 75
      Height = 25
      Caption = '&Font...'
      TabOrder = 1
    end
    object LabelEdit: TEdit
      Left = 8
      Top = 64
      Width = 145
      Height = 21
      TabOrder = 2
    end
  end
  object GroupBox2: TGroupBox
    Left = 168
    Top = 176
    Width = 245
    Height = 50
    Caption = ' Range '
    TabOrder = 4
    object Label3: TLabel
      Left = 8
      Top = 24
      Width = 20
      Height = 13
      Caption = 'Mi&n:'
    end
    object MinEdit: TEdit
      Left = 34
      Top = 20
      Width = 80
      Height = 21
      TabOrder = 0
    end
    object Label4: TLabel
      Left = 124
      Top = 24
      Width = 24
      Height = 13
      Caption = 'Ma&x:'
    end
    object MaxEdit: TEdit
      Left = 152
      Top = 20
      Width = 80
      Height = 21
      TabOrder = 1
    end
  end
end
